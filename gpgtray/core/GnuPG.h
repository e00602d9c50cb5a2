#pragma once
// One installed GnuPG, run through the process runner with its status stream.

#include <stdexcept>
#include <string>

#include "GpgArguments.h"
#include "ProcessRunner.h"
#include "StatusLines.h"

namespace gpgtray {

// A GnuPG operation that produced nothing; its text says what happened and what to do.
class GpgFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct GpgOutcome {
    int exitCode = -1;
    std::string output;
    StatusLines status;
    std::string errors;
};

class GnuPG {
public:
    // program: the path of gpg.exe; empty when none was found.
    GnuPG(IProcessRunner& runner, std::string program);

    // Runs GnuPG with the arguments and the input to its end; throws GpgFailure when it
    // cannot be started.
    GpgOutcome Run(const Arguments& arguments, const std::string& input = "") const;

private:
    IProcessRunner& runner_;
    std::string program_;
};

}  // namespace gpgtray
