#pragma once
// The GnuPG operations of the tray program, each judged by its status stream. Each either
// gives its result or throws GpgFailure with the words for the user.

#include <string>
#include <vector>

#include "GnuPG.h"
#include "ImportResult.h"
#include "Key.h"
#include "Signature.h"

namespace gpgtray {

std::vector<Key> ListKeys(const GnuPG& gpg, bool secret);

// The armoured message.
std::string Encrypt(const GnuPG& gpg, const std::string& text, const EncryptOptions& options);

// The clear-signed text; signingKey empty: GnuPG's default key.
std::string ClearSign(const GnuPG& gpg, const std::string& text, const std::string& signingKey);

struct Opened {
    std::string text;  // as GnuPG gave it
    SignatureReport signature;
};

// Decrypts an encrypted message or verifies a signed one; the text around it is left out.
Opened DecryptVerify(const GnuPG& gpg, const std::string& text);

ImportCounts Import(const GnuPG& gpg, const std::string& text);

// The armoured public key.
std::string ExportKey(const GnuPG& gpg, const std::string& fingerprint);

}  // namespace gpgtray
