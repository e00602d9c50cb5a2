#pragma once
// How the program runs another program: its standard input fed, its standard output, its
// standard error and a status stream read, all at the same time, so that neither side waits
// for the other however much they exchange. The status stream is a further output whose
// number the program learns from an option on its command line.

#include <string>
#include <vector>

namespace gpgtray {

struct ProcessRequest {
    std::string program;  // its full path
    // The option that names the status stream ("--status-fd"): the runner puts it and the
    // stream's number before the arguments. Empty: no status stream.
    std::string statusOption;
    std::vector<std::string> arguments;
    std::string input;  // written to standard input, which is then closed
};

struct ProcessResult {
    bool started = false;  // false when the program could not be started at all
    int exitCode = -1;
    std::string output;
    std::string status;
    std::string errors;
};

class IProcessRunner {
public:
    virtual ~IProcessRunner() = default;
    // Runs the program to its end.
    virtual ProcessResult Run(const ProcessRequest& request) = 0;
};

}  // namespace gpgtray
