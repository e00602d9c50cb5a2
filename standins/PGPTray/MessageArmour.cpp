#include "MessageArmour.h"

#include <vector>

#include "ArmourScan.h"
#include "Base64.h"
#include "Checksum.h"

namespace {

constexpr std::string_view kBegin = "-----BEGIN PGP MESSAGE-----";
constexpr std::string_view kEnd = "-----END PGP MESSAGE-----";
constexpr std::string_view kVersion = "Version: PGP Stand-in 1.0";
constexpr std::size_t kLineLength = 64;

// The first byte of the payload tells how the message was made.
constexpr char kEncrypted = 'E';
constexpr char kEncryptedSigned = 'S';

// XOR with a fixed key: the same call undoes it, and the result is visibly not the text.
std::string Scramble(std::string_view bytes) {
    constexpr std::string_view kKey = "PGPTray stand-in";
    std::string scrambled(bytes);
    for (std::size_t i = 0; i < scrambled.size(); ++i) {
        scrambled[i] = static_cast<char>(scrambled[i] ^ kKey[i % kKey.size()]);
    }
    return scrambled;
}

// The base64 lines after the header lines and the empty line that ends them.
std::string EncodedBody(std::string_view block) {
    const std::vector<std::string_view> lines = Lines(block);
    std::size_t i = 1;
    while (i < lines.size() && !lines[i].empty()) {
        ++i;
    }
    std::string encoded;
    for (++i; i < lines.size() && !lines[i].starts_with("-----END PGP MESSAGE"); ++i) {
        encoded.append(lines[i]);
    }
    return encoded;
}

OpenedBlock OpenSigned(std::string_view payload) {
    const std::string_view checksum = payload.substr(0, 16);
    const std::string plain = Scramble(payload.substr(checksum.size()));
    if (Checksum(plain) != checksum) {
        return {false, "", "decrypted, BAD signature"};
    }
    return {true, plain, "decrypted, good signature"};
}

}  // namespace

std::string EncryptToArmour(std::string_view text, bool signToo) {
    std::string payload(1, signToo ? kEncryptedSigned : kEncrypted);
    if (signToo) {
        payload += Checksum(text);
    }
    payload += Scramble(text);
    const std::string encoded = Base64Encode(payload);

    std::string block;
    block.append(kBegin).append(kCrLf).append(kVersion).append(kCrLf).append(kCrLf);
    for (std::size_t i = 0; i < encoded.size(); i += kLineLength) {
        block.append(encoded, i, kLineLength).append(kCrLf);
    }
    block.append(kEnd).append(kCrLf);
    return block;
}

OpenedBlock OpenMessage(std::string_view block) {
    const std::optional<std::string> payload = Base64Decode(EncodedBody(block));
    if (payload && payload->starts_with(kEncrypted)) {
        return {true, Scramble(std::string_view(*payload).substr(1)), "decrypted"};
    }
    if (payload && payload->starts_with(kEncryptedSigned)) {
        return OpenSigned(std::string_view(*payload).substr(1));
    }
    return {false, "", "a message that is not the stand-in's"};
}
