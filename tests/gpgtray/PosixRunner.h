#pragma once
// The process runner on Linux, for the tests that run the real GnuPG: the status stream is
// descriptor 3 of the child, and GNUPGHOME names the test's own home directory.

#include <string>

#include "gpgtray/core/ProcessRunner.h"

class PosixRunner : public gpgtray::IProcessRunner {
public:
    explicit PosixRunner(std::string gnupgHome) : home_(std::move(gnupgHome)) {}
    gpgtray::ProcessResult Run(const gpgtray::ProcessRequest& request) override;

private:
    std::string home_;
};
