#include "GpgArguments.h"

namespace gpgtray {

namespace {

// Signers and recipients never looked up on the network: only the keys the user holds.
Arguments Base(std::initializer_list<const char*> more) {
    Arguments arguments{"--batch", "--no-tty", "--no-auto-key-retrieve", "--auto-key-locate",
                        "local"};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

void AddSigner(Arguments& arguments, const std::string& signingKey) {
    if (!signingKey.empty()) {
        arguments.insert(arguments.end(), {"--local-user", signingKey});
    }
}

}  // namespace

Arguments ListKeysArguments(bool secret) {
    return Base(
        {"--with-colons", "--fixed-list-mode", secret ? "--list-secret-keys" : "--list-keys"});
}

Arguments EncryptArguments(const EncryptOptions& options) {
    Arguments arguments = Base({"--armor"});
    if (options.acceptAnyValidity) {
        arguments.insert(arguments.end(), {"--trust-model", "always"});
    }
    if (options.sign) {
        arguments.push_back("--sign");
        AddSigner(arguments, options.signingKey);
    }
    arguments.push_back("--encrypt");
    for (const std::string& recipient : options.recipients) {
        arguments.insert(arguments.end(), {"--recipient", recipient});
    }
    return arguments;
}

Arguments ClearSignArguments(const std::string& signingKey) {
    Arguments arguments = Base({"--armor"});
    AddSigner(arguments, signingKey);
    arguments.push_back("--clearsign");
    return arguments;
}

Arguments DecryptArguments() {
    return Base({"--decrypt"});
}

Arguments ImportArguments() {
    return Base({"--import"});
}

Arguments ExportArguments(const std::string& fingerprint) {
    Arguments arguments = Base({"--armor", "--export"});
    arguments.push_back(fingerprint);
    return arguments;
}

}  // namespace gpgtray
