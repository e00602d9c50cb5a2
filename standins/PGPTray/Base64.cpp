#include "Base64.h"

#include <algorithm>

namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int SextetOf(char c) {
    const std::size_t index = kAlphabet.find(c);
    return index == std::string_view::npos ? -1 : static_cast<int>(index);
}

}  // namespace

std::string Base64Encode(std::string_view bytes) {
    std::string encoded;
    encoded.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - i);
        unsigned group = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            const unsigned byte = k < count ? static_cast<unsigned char>(bytes[i + k]) : 0;
            group = (group << 8) | byte;
        }
        for (std::size_t k = 0; k < 4; ++k) {
            encoded += k <= count ? kAlphabet[(group >> (18 - 6 * k)) & 0x3F] : '=';
        }
    }
    return encoded;
}

std::optional<std::string> Base64Decode(std::string_view encoded) {
    if (encoded.size() % 4 != 0) {
        return std::nullopt;
    }
    std::string bytes;
    for (std::size_t i = 0; i < encoded.size(); i += 4) {
        const bool last = i + 4 == encoded.size();
        const std::size_t padding = last ? (encoded[i + 3] == '=') + (encoded[i + 2] == '=') : 0;
        unsigned group = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const int sextet = k < 4 - padding ? SextetOf(encoded[i + k]) : 0;
            if (sextet < 0) {
                return std::nullopt;
            }
            group = (group << 6) | static_cast<unsigned>(sextet);
        }
        for (std::size_t k = 0; k < 3 - padding; ++k) {
            bytes += static_cast<char>((group >> (16 - 8 * k)) & 0xFF);
        }
    }
    return bytes;
}
