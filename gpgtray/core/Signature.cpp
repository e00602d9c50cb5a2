#include "Signature.h"

#include <array>
#include <string_view>

#include "DateText.h"

namespace gpgtray {

namespace {

struct Verdict {
    std::string_view keyword;
    SignatureState state;
};

// The keywords that end a signature's check, each carrying the key id and the user ID.
constexpr std::array<Verdict, 5> kVerdicts{{
    {"GOODSIG", SignatureState::Good},
    {"BADSIG", SignatureState::Bad},
    {"EXPKEYSIG", SignatureState::ExpiredKey},
    {"EXPSIG", SignatureState::Expired},
    {"REVKEYSIG", SignatureState::RevokedKey},
}};

// GnuPG's error code in ERRSIG for a signer whose public key is missing.
constexpr std::string_view kNoPublicKey = "9";

std::string MadeAt(const StatusLine* line, std::size_t field) {
    if (!line) {
        return "";
    }
    const std::vector<std::string> fields = line->Fields();
    const auto time = field < fields.size() ? ParseGpgTime(fields[field]) : std::nullopt;
    return time ? DateTimeText(*time) : "";
}

SignatureReport FromErrorSignature(const StatusLine& error) {
    const std::vector<std::string> fields = error.Fields();
    const bool unknownKey = fields.size() > 5 && fields[5] == kNoPublicKey;
    return {unknownKey ? SignatureState::UnknownKey : SignatureState::Unverifiable,
            fields.empty() ? "" : fields[0], MadeAt(&error, 4), false};
}

std::string MadeClause(const SignatureReport& report) {
    return report.made.empty() ? "" : ", made " + report.made;
}

}  // namespace

SignatureReport ReadSignature(const StatusLines& status) {
    for (const Verdict& verdict : kVerdicts) {
        if (const StatusLine* line = FindStatus(status, verdict.keyword)) {
            const std::size_t blank = line->rest.find(' ');
            const std::string signer =
                blank == std::string::npos ? line->rest : line->rest.substr(blank + 1);
            return {verdict.state, PercentUnescaped(signer),
                    MadeAt(FindStatus(status, "VALIDSIG"), 2),
                    FindStatus(status, "TRUST_FULLY") || FindStatus(status, "TRUST_ULTIMATE")};
        }
    }
    if (const StatusLine* error = FindStatus(status, "ERRSIG")) {
        return FromErrorSignature(*error);
    }
    return {};
}

std::string SignatureWords(const SignatureReport& report) {
    const std::string by = report.signer + MadeClause(report);
    switch (report.state) {
        case SignatureState::None:
            return "The message was not signed.";
        case SignatureState::Good:
            return "Good signature from " + by + "." +
                   (report.signerCertified ? ""
                                           : " The signer's key is not certified: make sure "
                                             "that it really belongs to the signer.");
        case SignatureState::Bad:
            return "BAD signature from " + report.signer +
                   ": the text was changed after it was signed, or the signature is forged. Do "
                   "not trust it.";
        case SignatureState::UnknownKey:
            return "Signed by an unknown key (key id " + by +
                   "): the signature cannot be checked. Import the signer's public key and "
                   "verify again.";
        case SignatureState::ExpiredKey:
            return "Good signature from " + by + ", but the signer's key has expired.";
        case SignatureState::Expired:
            return "The signature from " + by + " has expired.";
        case SignatureState::RevokedKey:
            return "Signature from " + by +
                   ", but the signer's key has been revoked: do not trust it.";
        case SignatureState::Unverifiable:
            return "The signature (key id " + by + ") could not be checked.";
    }
    return "";
}

}  // namespace gpgtray
