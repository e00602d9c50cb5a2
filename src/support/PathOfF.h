#pragma once

#include <string>

// Path up to and including its last backslash; a path without any backslash is returned whole.
std::string PathOfFile(const std::string& path);
