#pragma once
// "PGPTray.log": one line for each command received, and indented notes on what it did, so
// that tests can read what the stand-in was told.

#include <string>
#include <utility>

class CommandLog {
public:
    explicit CommandLog(std::string path) : path_(std::move(path)) {}

    // "40017 -AutoEncrypt"
    void Command(unsigned id, const std::string& name) const;
    // Two blanks and the note.
    void Note(const std::string& note) const;

private:
    std::string path_;
};
