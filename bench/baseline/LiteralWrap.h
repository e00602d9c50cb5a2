#pragma once
// The print layout's wrapping of a paragraph as it was before the break in a long word was
// searched from the line's start: every printed line measured the whole rest of a word
// that holds no blank, so one very long word took time with the square of its length. The
// tests' reference for TPrintText's wrapping. Gives each line with its gap count; `width`
// measures a text, and the paragraph is wider than `printableWidth`.

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace literal_wrap {

using Width = std::function<int(const std::string&)>;
using Lines = std::vector<std::pair<std::string, int>>;

inline std::size_t NextWordEnd(const std::string& s, std::size_t i) {
    const std::size_t last = s.size() - 1;
    if (i >= last) {
        return last;
    }
    do {
        ++i;
    } while (i < last && s[i] != ' ');
    return i;
}

inline std::size_t WordBreak(const std::string& s, std::size_t start, std::size_t wordEnd,
                             const Width& width, int printableWidth) {
    if (width(s.substr(start, wordEnd - start)) <= printableWidth) {
        return wordEnd;
    }
    std::size_t fits = 1;
    std::size_t tooWide = wordEnd - start;
    while (tooWide - fits > 1) {
        const std::size_t middle = (fits + tooWide) / 2;
        if (width(s.substr(start, middle)) <= printableWidth) {
            fits = middle;
        } else {
            tooWide = middle;
        }
    }
    return start + fits;
}

inline Lines LiteralWrap(const std::string& s, const Width& width, int printableWidth) {
    Lines lines;
    const std::size_t last = s.size() - 1;
    std::size_t start = 0;
    std::size_t i = 0;
    int words = 0;
    for (;;) {
        const std::size_t lineEnd = i;
        i = NextWordEnd(s, i);
        ++words;
        const std::size_t pieceEnd = i == last ? last + 1 : i;
        const std::string piece = s.substr(start, pieceEnd - start);
        if (width(piece) < printableWidth) {
            if (i == last) {
                lines.emplace_back(piece, 0);
                return lines;
            }
            continue;
        }
        if (words == 1) {
            const std::size_t end = WordBreak(s, start, pieceEnd, width, printableWidth);
            lines.emplace_back(s.substr(start, end - start), 1);
            start = end;
        } else {
            lines.emplace_back(s.substr(start, lineEnd - start), words - 2);
            start = lineEnd;
        }
        start = s.find_first_not_of(' ', start);
        if (start == std::string::npos) {
            return lines;
        }
        i = start;
        words = 0;
    }
}

}  // namespace literal_wrap
