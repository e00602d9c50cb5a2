#pragma once
// Programs of this build tree, named by their Wine paths (the build passes their Unix
// paths): the program itself, and a helper that ends with a given exit code.

#include <string>

std::string Tervane5Exe();
std::string ExitWithExe();
