#include "support/PText32Text.h"

#include <optional>

#include "platform/Clock.h"
#include "platform/Platform.h"

namespace {

std::string BreakOf(const std::string& text, TBreakSequence sequence) {
    switch (sequence) {
        case bsCRLF:
            return "\r\n";
        case bsCR:
            return "\r";
        case bsLF:
            return "\n";
        case bsAuto:
            break;
    }
    for (const char* candidate : {"\r\n", "\r", "\n"}) {
        if (text.find(candidate) != std::string::npos) {
            return candidate;
        }
    }
    return "";
}

// The text that a code stands for; nothing for a character that is not a code.
std::optional<std::string> CodeValue(char code, int pageNumber, const LocalTime& now) {
    switch (code) {
        case 'D':
            return Os().clock->ShortDateText(now);
        case 'T':
            return Os().clock->LongTimeText(now);
        case 'N':
            return std::to_string(pageNumber);
        default:
            return std::nullopt;
    }
}

}  // namespace

std::string RemoveLineBreaks(const std::string& text, TBreakSequence sequence) {
    const std::string lineBreak = BreakOf(text, sequence);
    if (lineBreak.empty()) {
        return text;
    }
    // Built anew in one pass: replacing in place would move the rest of the text at every
    // break. A blank cannot be part of a break, so no replacement makes a new occurrence.
    std::string s;
    s.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at = text.find(lineBreak); at != std::string::npos;
         at = text.find(lineBreak, from)) {
        s.append(text, from, at - from);
        from = at + lineBreak.size();
        if (from == text.size()) {
            return s;  // a break at the very end goes without a blank
        }
        s += ' ';
    }
    return s.append(text, from);
}

// The scan runs to the end of the text as it grows, so that every code is expanded however
// long the texts put in before it, and it goes on inside each inserted text, whose blanks
// count too.
ExpandedCodes ExpandCodes(const std::string& text, int pageNumber) {
    const LocalTime now = Os().clock->Now();
    ExpandedCodes result{text, 0};
    std::string& s = result.text;
    std::size_t i = 0;
    while (i < s.size()) {
        if (s[i] == ' ') {
            ++result.spaces;
        } else if (s[i] == '&' && i + 1 < s.size()) {
            if (s[i + 1] == '&') {
                ++i;  // the second "&" starts no code
            } else if (const auto value = CodeValue(s[i + 1], pageNumber, now)) {
                s.replace(i, 2, *value);
                if (value->empty()) {
                    continue;  // the character after the code is now at i
                }
            }
        }
        ++i;
    }
    return result;
}
