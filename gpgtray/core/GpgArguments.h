#pragma once
// The command lines of the GnuPG operations: always in batch mode, never asking on a
// terminal, answering in its machine formats. Keys are named by their fingerprints, so
// that no name can pick another key than the one chosen.

#include <string>
#include <vector>

namespace gpgtray {

using Arguments = std::vector<std::string>;

// GnuPG's option that names the status stream.
inline constexpr const char* kStatusOption = "--status-fd";

Arguments ListKeysArguments(bool secret);

struct EncryptOptions {
    std::vector<std::string> recipients;  // fingerprints
    bool sign = false;
    std::string signingKey;  // empty: GnuPG's default key
    // The user has accepted keys that are not fully valid.
    bool acceptAnyValidity = false;
};

Arguments EncryptArguments(const EncryptOptions& options);
Arguments ClearSignArguments(const std::string& signingKey);
// Decrypts an encrypted message, or verifies a signed or clear-signed one, and gives its text.
Arguments DecryptArguments();
Arguments ImportArguments();
Arguments ExportArguments(const std::string& fingerprint);

}  // namespace gpgtray
