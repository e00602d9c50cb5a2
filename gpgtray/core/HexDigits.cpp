#include "HexDigits.h"

namespace gpgtray {

namespace {

int HexValue(char digit) {
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + 10;
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + 10;
    }
    return -1;
}

}  // namespace

std::string Unescaped(std::string_view text, std::string_view marker) {
    std::string plain;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t digits = i + marker.size();
        if (text.substr(i, marker.size()) == marker && digits + 1 < text.size() &&
            HexValue(text[digits]) >= 0 && HexValue(text[digits + 1]) >= 0) {
            plain += static_cast<char>(HexValue(text[digits]) * 16 + HexValue(text[digits + 1]));
            i = digits + 2;
        } else {
            plain += text[i++];
        }
    }
    return plain;
}

}  // namespace gpgtray
