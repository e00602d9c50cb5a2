#include "GpgOperations.h"

#include "ColonListing.h"
#include "FailureText.h"

namespace gpgtray {

namespace {

bool Has(const GpgOutcome& outcome, const char* keyword) {
    return FindStatus(outcome.status, keyword) != nullptr;
}

void Require(bool succeeded, Operation operation, const GpgOutcome& outcome) {
    if (!succeeded) {
        throw GpgFailure(FailureText(operation, outcome));
    }
}

// A message that was encrypted must have been decrypted; a signed one need only have given
// its text, since a signature that cannot be checked is reported, not refused.
bool Opens(const GpgOutcome& outcome) {
    if (Has(outcome, "BEGIN_DECRYPTION") || Has(outcome, "DECRYPTION_FAILED")) {
        return Has(outcome, "DECRYPTION_OKAY") && !Has(outcome, "DECRYPTION_FAILED");
    }
    return Has(outcome, "PLAINTEXT");
}

}  // namespace

std::vector<Key> ListKeys(const GnuPG& gpg, bool secret) {
    const GpgOutcome outcome = gpg.Run(ListKeysArguments(secret));
    Require(outcome.exitCode == 0, Operation::ListKeys, outcome);
    return ParseKeyListing(outcome.output);
}

std::string Encrypt(const GnuPG& gpg, const std::string& text, const EncryptOptions& options) {
    const GpgOutcome outcome = gpg.Run(EncryptArguments(options), text);
    Require(outcome.exitCode == 0 && Has(outcome, "END_ENCRYPTION"), Operation::Encrypt, outcome);
    return outcome.output;
}

// GnuPG writes the head of a clear-signed text before it asks for the pass phrase, so the
// output counts only when the signature was made.
std::string ClearSign(const GnuPG& gpg, const std::string& text, const std::string& signingKey) {
    const GpgOutcome outcome = gpg.Run(ClearSignArguments(signingKey), text);
    Require(outcome.exitCode == 0 && Has(outcome, "SIG_CREATED"), Operation::Sign, outcome);
    return outcome.output;
}

Opened DecryptVerify(const GnuPG& gpg, const std::string& text) {
    const GpgOutcome outcome = gpg.Run(DecryptArguments(), text);
    Require(Opens(outcome), Operation::Decrypt, outcome);
    return {outcome.output, ReadSignature(outcome.status)};
}

ImportCounts Import(const GnuPG& gpg, const std::string& text) {
    const GpgOutcome outcome = gpg.Run(ImportArguments(), text);
    const ImportCounts counts = ReadImport(outcome.status);
    Require(counts.read > 0, Operation::Import, outcome);
    return counts;
}

std::string ExportKey(const GnuPG& gpg, const std::string& fingerprint) {
    const GpgOutcome outcome = gpg.Run(ExportArguments(fingerprint));
    Require(outcome.exitCode == 0 && !outcome.output.empty(), Operation::Export, outcome);
    return outcome.output;
}

}  // namespace gpgtray
