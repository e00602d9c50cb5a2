#include "GpgHome.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "gpgtray/core/StatusLines.h"

namespace {

std::string MakeTemporaryDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "gpgtray-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        throw std::runtime_error("cannot make a temporary directory");
    }
    return pattern;
}

}  // namespace

GpgHome::GpgHome()
    : path_(MakeTemporaryDirectory()),
      runner_(path_),
      tray({clipboard, runner_, settings, installations_, codePage_, user}) {}

GpgHome::~GpgHome() {
    gpgtray::ProcessRequest kill{"/usr/bin/gpgconf", "", {"--kill", "all"}, ""};
    runner_.Run(kill);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

gpgtray::ProcessResult GpgHome::Gpg(std::vector<std::string> arguments, const std::string& input) {
    arguments.insert(arguments.begin(), "--batch");
    gpgtray::ProcessResult result =
        runner_.Run({"/usr/bin/gpg", "--status-fd", std::move(arguments), input});
    if (result.exitCode != 0) {
        throw std::runtime_error("gpg failed: " + result.errors);
    }
    return result;
}

std::string GpgHome::MakeKey(const std::string& userId, const std::string& passphrase,
                             const std::string& expiry, const std::string& fakedTime) {
    std::vector<std::string> arguments{"--passphrase", passphrase, "--pinentry-mode", "loopback"};
    if (!fakedTime.empty()) {
        arguments.insert(arguments.end(), {"--faked-system-time", fakedTime + "!"});
    }
    arguments.insert(arguments.end(),
                     {"--quick-gen-key", userId, "future-default", "default", expiry});
    const gpgtray::StatusLines status = gpgtray::ParseStatus(Gpg(arguments).status);
    const gpgtray::StatusLine* created = gpgtray::FindStatus(status, "KEY_CREATED");
    if (!created || created->Fields().size() < 2) {
        throw std::runtime_error("no key made for " + userId);
    }
    return created->Fields()[1];
}

std::string GpgHome::PublicKey(const std::string& fingerprint) {
    return Gpg({"--armor", "--export", fingerprint}).output;
}

void GpgHome::Import(const std::string& armoured) {
    Gpg({"--import"}, armoured);
}

void GpgHome::Certify(const std::string& fingerprint) {
    Gpg({"--yes", "--quick-sign-key", fingerprint});
}

void GpgHome::Configure(const std::string& options) {
    std::ofstream(path_ + "/gpg.conf") << options;
}
