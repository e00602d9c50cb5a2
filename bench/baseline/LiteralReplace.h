#pragma once
// The replacement loop taken literally: find the first occurrence of Old from the start of
// the whole string, replace it (S[1 .. P-1] + New + S[P+Length(Old) .. end]), and start
// over until Old no longer occurs. Quadratic; the benchmark's baseline and the tests'
// reference for ReplaceAll. New must not contain Old.

#include <string>

inline std::string LiteralReplaceAll(const std::string& oldText, std::string s,
                                     const std::string& newText) {
    if (oldText.empty()) {
        return s;
    }
    for (std::size_t at = s.find(oldText); at != std::string::npos; at = s.find(oldText)) {
        s = s.substr(0, at) + newText + s.substr(at + oldText.size());
    }
    return s;
}
