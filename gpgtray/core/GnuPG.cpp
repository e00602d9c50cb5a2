#include "GnuPG.h"

#include <utility>

namespace gpgtray {

namespace {

constexpr const char* kInstallHint =
    "\r\n\r\nInstall GnuPG for Windows (https://gnupg.org/download/), or name its gpg.exe in "
    "the preferences of Tervane GnuPG Tray.";

std::string NotStartedText(const std::string& program) {
    if (program.empty()) {
        return std::string(
                   "GnuPG was not found: no installation of it is registered and no "
                   "gpg.exe is on the search path.") +
               kInstallHint;
    }
    return "GnuPG could not be started from \"" + program + "\"." + kInstallHint;
}

}  // namespace

GnuPG::GnuPG(IProcessRunner& runner, std::string program)
    : runner_(runner), program_(std::move(program)) {}

GpgOutcome GnuPG::Run(const Arguments& arguments, const std::string& input) const {
    if (program_.empty()) {
        throw GpgFailure(NotStartedText(program_));
    }
    ProcessResult result = runner_.Run({program_, kStatusOption, arguments, input});
    if (!result.started) {
        throw GpgFailure(NotStartedText(program_));
    }
    return {result.exitCode, std::move(result.output), ParseStatus(result.status),
            std::move(result.errors)};
}

}  // namespace gpgtray
