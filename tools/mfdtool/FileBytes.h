#pragma once

#include <stdexcept>
#include <string>

// A file that mfdtool was asked to read but could not.
class UnreadableFile : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The whole file, byte for byte. Throws UnreadableFile with a message that names the file
// and the problem.
std::string FileBytes(const std::string& path);
