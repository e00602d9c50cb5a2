#pragma once
// Runs a program with anonymous pipes on its standard input, output and error and on a
// status stream, whose handle value is the number the program is given: GnuPG for Windows
// takes its descriptor options as handles. One thread feeds the input and one drains each
// output, so that neither side can wait for the other.

#include "gpgtray/core/ProcessRunner.h"

namespace gpgtray {

class PipeRunner : public IProcessRunner {
public:
    ProcessResult Run(const ProcessRequest& request) override;
};

}  // namespace gpgtray
