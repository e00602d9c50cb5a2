#include "ClearSign.h"

#include <vector>

#include "ArmourScan.h"
#include "Checksum.h"

namespace {

constexpr std::string_view kBegin = "-----BEGIN PGP SIGNED MESSAGE-----";
constexpr std::string_view kHash = "Hash: SHA1";
constexpr std::string_view kSignatureBegin = "-----BEGIN PGP SIGNATURE-----";
constexpr std::string_view kSignatureEnd = "-----END PGP SIGNATURE-----";
constexpr std::string_view kEscape = "- ";

// Every line that starts with a hyphen gets "- " in front, so that no line of the text can
// pass for an armour line. Lines are what LF separates, as the markers are searched.
std::string DashEscape(std::string_view text) {
    std::string escaped;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t next = PastLine(text, start);
        if (text[start] == '-') {
            escaped.append(kEscape);
        }
        escaped.append(text.substr(start, next - start));
        start = next;
    }
    return escaped;
}

std::string DashUnescape(std::string_view text) {
    std::string plain;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t next = PastLine(text, start);
        const std::size_t skip = text.substr(start).starts_with(kEscape) ? kEscape.size() : 0;
        plain.append(text.substr(start + skip, next - start - skip));
        start = next;
    }
    return plain;
}

// Just past the empty line that ends the armour headers; npos without one.
std::size_t BodyStart(std::string_view block) {
    for (std::size_t pos = PastLine(block, 0); pos < block.size(); pos = PastLine(block, pos)) {
        const std::string_view rest = block.substr(pos);
        if (rest.starts_with('\n') || rest.starts_with(kCrLf)) {
            return PastLine(block, pos);
        }
    }
    return std::string_view::npos;
}

// The line end in front of the signature belongs to the armour, not to the text.
std::string_view WithoutArmourLineEnd(std::string_view body) {
    if (body.ends_with('\n')) {
        body.remove_suffix(1);
    }
    if (body.ends_with('\r')) {
        body.remove_suffix(1);
    }
    return body;
}

}  // namespace

std::string ClearSign(std::string_view text) {
    std::string block;
    block.append(kBegin).append(kCrLf).append(kHash).append(kCrLf).append(kCrLf);
    block.append(DashEscape(text)).append(kCrLf);
    block.append(kSignatureBegin).append(kCrLf).append(Checksum(text)).append(kCrLf);
    block.append(kSignatureEnd).append(kCrLf);
    return block;
}

OpenedBlock VerifyClearSigned(std::string_view block) {
    const std::size_t body = BodyStart(block);
    const std::size_t signature =
        body == std::string_view::npos ? body : FindAtLineStart(block, kSignatureBegin, body);
    if (signature == std::string_view::npos) {
        return {false, "", "a signed message without its parts"};
    }
    const std::string plain =
        DashUnescape(WithoutArmourLineEnd(block.substr(body, signature - body)));
    const std::vector<std::string_view> signatureLines = Lines(block.substr(signature));
    if (signatureLines.size() < 2 || signatureLines[1] != Checksum(plain)) {
        return {false, "", "BAD signature"};
    }
    return {true, plain, "good signature"};
}
