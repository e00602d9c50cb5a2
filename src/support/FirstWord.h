#pragma once

#include <string>

// The text before the first blank of S; the empty string when S holds no blank.
std::string FirstWord(const std::string& s);
