#pragma once
// mfdtool: inspects exchange files the way the program reads them.

#include <ostream>
#include <string>
#include <vector>

constexpr int kExitOk = 0;
constexpr int kExitFileProblem = 1;
constexpr int kExitUsage = 2;

// Runs one mfdtool command; `args` are the arguments after the program name. Results go to
// `out`, messages to `err`; returns the exit status.
int RunMfdTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
