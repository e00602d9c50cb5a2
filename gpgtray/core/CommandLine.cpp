#include "CommandLine.h"

namespace gpgtray {

namespace {

// Backslashes are literal except before a quote, where each pair stands for one: so the
// ones before an inner quote and before the closing quote are doubled.
std::string Quoted(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) {
        return argument;
    }
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
        } else {
            if (c == '"') {
                quoted.append(backslashes + 1, '\\');
            }
            backslashes = 0;
        }
        quoted += c;
    }
    quoted.append(backslashes, '\\');
    return quoted + "\"";
}

}  // namespace

std::string WindowsCommandLine(const std::string& program,
                               const std::vector<std::string>& arguments) {
    // The program's own name is split by other rules: quotes only, no escapes.
    std::string line = "\"" + program + "\"";
    for (const std::string& argument : arguments) {
        line += " " + Quoted(argument);
    }
    return line;
}

}  // namespace gpgtray
