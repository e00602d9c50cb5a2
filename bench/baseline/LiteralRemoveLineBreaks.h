#pragma once
// The print layout's joining of lines taken literally: each break is replaced in place by
// one blank, which moves the rest of the text every time, and a break at the very end is
// cut off. Its time grows with the breaks times the text; the tests' reference for
// RemoveLineBreaks. `lineBreak` must not be empty.

#include <string>

inline std::string LiteralRemoveLineBreaks(std::string s, const std::string& lineBreak) {
    for (std::size_t at = s.find(lineBreak); at != std::string::npos; at = s.find(lineBreak, at)) {
        if (at + lineBreak.size() == s.size()) {
            s.erase(at);
            break;
        }
        s.replace(at, lineBreak.size(), " ");
    }
    return s;
}
