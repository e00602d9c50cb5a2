#include "ArmourScan.h"

std::size_t FindAtLineStart(std::string_view text, std::string_view marker, std::size_t from) {
    for (std::size_t pos = text.find(marker, from); pos != std::string_view::npos;
         pos = text.find(marker, pos + 1)) {
        if (pos == 0 || text[pos - 1] == '\n') {
            return pos;
        }
    }
    return std::string_view::npos;
}

bool HasEncryptedOrSignedMarkers(std::string_view text) {
    const auto hasBoth = [text](std::string_view begin, std::string_view end) {
        return FindAtLineStart(text, begin, 0) != std::string_view::npos &&
               FindAtLineStart(text, end, 0) != std::string_view::npos;
    };
    return hasBoth("-----BEGIN PGP MESSAGE", "-----END PGP MESSAGE") ||
           hasBoth("-----BEGIN PGP SIGN", "-----END PGP SIGN");
}

std::size_t PastLine(std::string_view text, std::size_t pos) {
    const std::size_t lf = text.find('\n', pos);
    return lf == std::string_view::npos ? text.size() : lf + 1;
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t next = PastLine(text, start);
        std::string_view line = text.substr(start, next - start);
        if (line.ends_with('\n')) {
            line.remove_suffix(1);
        }
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        start = next;
    }
    return lines;
}

std::vector<std::string> PublicKeyBlocks(std::string_view text) {
    std::vector<std::string> blocks;
    std::size_t from = 0;
    while (true) {
        const std::size_t begin = FindAtLineStart(text, "-----BEGIN PGP PUBLIC KEY", from);
        if (begin == std::string_view::npos) {
            return blocks;
        }
        const std::size_t end = FindAtLineStart(text, "-----END PGP PUBLIC KEY", begin);
        if (end == std::string_view::npos) {
            return blocks;
        }
        from = PastLine(text, end);
        std::string block;
        for (const std::string_view line : Lines(text.substr(begin, from - begin))) {
            block.append(line).append(kCrLf);
        }
        blocks.push_back(block);
    }
}
