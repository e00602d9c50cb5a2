#pragma once
// The state of a message's signature, read from GnuPG's status stream, and said in words.

#include <string>

#include "StatusLines.h"

namespace gpgtray {

enum class SignatureState {
    None,  // the message was not signed
    Good,
    Bad,           // the text was changed after it was signed
    UnknownKey,    // the signer's public key is not on the keyring
    ExpiredKey,    // good, but the signer's key has expired since
    Expired,       // the signature itself has expired
    RevokedKey,    // good, but the signer's key has been revoked
    Unverifiable,  // any other reason why it could not be checked
};

struct SignatureReport {
    SignatureState state = SignatureState::None;
    std::string signer;            // the user ID (UTF-8), or the key id when the key is unknown
    std::string made;              // the date and time the signature was made; empty when not known
    bool signerCertified = false;  // the signer's key is fully or ultimately valid
};

SignatureReport ReadSignature(const StatusLines& status);

// One or two sentences for the user, naming the signer and the date.
std::string SignatureWords(const SignatureReport& report);

}  // namespace gpgtray
