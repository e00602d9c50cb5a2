#include "support/FirstWord.h"

// A text without a blank is not a word followed by arguments: its first word is empty.
std::string FirstWord(const std::string& s) {
    const std::size_t blank = s.find(' ');
    if (blank == std::string::npos) {
        return {};
    }
    return s.substr(0, blank);
}
