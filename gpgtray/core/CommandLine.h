#pragma once
// A Windows command line: one text that the started program splits into its arguments by
// the C run-time's rules, so that blanks, quotes and backslashes in an argument survive.

#include <string>
#include <vector>

namespace gpgtray {

std::string WindowsCommandLine(const std::string& program,
                               const std::vector<std::string>& arguments);

}  // namespace gpgtray
