#pragma once
// The files that the stand-in keeps beside its program file, and whole-file helpers.

#include <string>
#include <string_view>
#include <vector>

struct StandinFiles {
    std::string directory;  // with its trailing backslash

    std::string Settings() const { return directory + "PGPTray.ini"; }
    std::string Log() const { return directory + "PGPTray.log"; }
    std::string Keyring() const { return directory + "keyring.txt"; }
    std::string ImportList() const { return directory + "keys-to-import.txt"; }
};

StandinFiles FilesBesideProgram();

// The file's bytes; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);

void AppendToFile(const std::string& path, std::string_view text);

// Appends each block that the file does not hold yet; returns how many it appended.
std::size_t AppendBlocksOnce(const std::string& path, const std::vector<std::string>& blocks);
