#pragma once
// The whole screen saved as a 24-bit BMP file.

#include <string>

bool SaveScreenshot(const std::string& path);
