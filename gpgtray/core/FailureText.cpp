#include "FailureText.h"

#include <cstdlib>
#include <optional>

#include "TextUtil.h"

namespace gpgtray {

namespace {

// GnuPG's error codes (libgpg-error), as the low 16 bits of the numbers in its ERROR and
// FAILURE lines; the high bits name the component that failed.
constexpr int kBadPassphrase = 11;
constexpr int kNoSecretKey = 17;
constexpr int kNoData = 58;
constexpr int kCancelled = 99;
constexpr int kFullyCancelled = 198;

struct Words {
    const char* doing;  // "Encrypting"
    const char* done;   // "encrypted"
    const char* verb;   // "encrypt"
};

Words WordsOf(Operation operation) {
    switch (operation) {
        case Operation::ListKeys:
            return {"Listing the keys", "listed", "list the keys"};
        case Operation::Encrypt:
            return {"Encrypting", "encrypted", "encrypt the text"};
        case Operation::Sign:
            return {"Signing", "signed", "sign the text"};
        case Operation::Decrypt:
            return {"Decrypting", "decrypted", "decrypt or verify the text"};
        case Operation::Import:
            return {"Importing", "imported", "import the keys"};
        case Operation::Export:
            return {"Copying the key", "copied", "copy the key"};
    }
    return {"", "", ""};
}

bool HasErrorCode(const GpgOutcome& outcome, int code) {
    for (const StatusLine& line : outcome.status) {
        if (line.keyword == "ERROR" || line.keyword == "FAILURE") {
            const std::vector<std::string> fields = line.Fields();
            if (fields.size() >= 2 && (std::atol(fields[1].c_str()) & 0xFFFF) == code) {
                return true;
            }
        }
    }
    return false;
}

bool Has(const GpgOutcome& outcome, const char* keyword) {
    return FindStatus(outcome.status, keyword) != nullptr;
}

// GnuPG's own last words, for the failures that the status stream does not name.
std::string LastErrorLine(const std::string& errors) {
    const std::vector<std::string_view> lines = SplitLines(errors);
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        if (!line->empty()) {
            return std::string(*line);
        }
    }
    return "";
}

std::optional<std::string> NamedFailure(Operation operation, const GpgOutcome& outcome) {
    const Words words = WordsOf(operation);
    if (HasErrorCode(outcome, kCancelled) || HasErrorCode(outcome, kFullyCancelled)) {
        return std::string(words.doing) + " was cancelled.";
    }
    if (Has(outcome, "BAD_PASSPHRASE") || HasErrorCode(outcome, kBadPassphrase)) {
        return std::string("The pass phrase was wrong: nothing was ") + words.done + ".";
    }
    if (Has(outcome, "NO_SECKEY") || Has(outcome, "DECRYPTION_FAILED")) {
        return std::string(
            "None of your secret keys can open this message: it was encrypted "
            "for other keys.");
    }
    if (Has(outcome, "INV_SGNR") || HasErrorCode(outcome, kNoSecretKey)) {
        return std::string(
            "There is no usable secret key to sign with. Make a key pair with "
            "GnuPG, or choose another default key in the preferences.");
    }
    if (Has(outcome, "INV_RECP")) {
        return std::string(
            "GnuPG cannot encrypt to one of the chosen keys: it may have "
            "expired or been revoked. Choose other recipients.");
    }
    if (Has(outcome, "NODATA") || HasErrorCode(outcome, kNoData)) {
        return operation == Operation::Import
                   ? "The clipboard holds no OpenPGP key."
                   : "The clipboard holds no OpenPGP message that could be opened.";
    }
    return std::nullopt;
}

}  // namespace

std::string FailureText(Operation operation, const GpgOutcome& outcome) {
    if (const auto named = NamedFailure(operation, outcome)) {
        return *named;
    }
    std::string text = std::string("GnuPG could not ") + WordsOf(operation).verb + " (exit code " +
                       std::to_string(outcome.exitCode) + ").";
    const std::string said = LastErrorLine(outcome.errors);
    return said.empty() ? text : text + "\r\n\r\nGnuPG said: " + said;
}

}  // namespace gpgtray
