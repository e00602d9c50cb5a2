// How TPrintText wraps a paragraph that is wider than the printable width.

#include "support/PText32.h"

namespace {

// The end of the word that follows position i: the next blank after it, or the last
// position. Words are cut at every blank, so two blanks in a row hold an empty word.
std::size_t NextWordEnd(const std::string& s, std::size_t i) {
    const std::size_t last = s.size() - 1;
    if (i >= last) {
        return last;
    }
    do {
        ++i;
    } while (i < last && s[i] != ' ');
    return i;
}

}  // namespace

// A line takes word after word while it stays strictly narrower than the printable width;
// the paragraph's last line is never justified, and a line ended early spreads its width
// over the gaps between its words. A line's first word is measured no further than the line
// holds, so a word without blanks, however long, costs each line only that line's width.
// Each line takes at least one character, so the loop always moves on.
void TPrintText::WrapParagraph(const std::string& s) {
    const std::size_t last = s.size() - 1;
    std::size_t start = 0;          // the current line's first character
    std::size_t i = 0;              // the end of the last word taken
    std::size_t brokenWordEnd = 0;  // the end of a word broken by the last line
    int words = 0;
    for (;;) {
        const std::size_t lineEnd = i;  // where the line ends when the next word does not fit
        // The rest of a broken word ends where the word did.
        i = words == 0 && start < brokenWordEnd ? brokenWordEnd : NextWordEnd(s, i);
        ++words;
        const std::size_t pieceEnd = i == last ? last + 1 : i;
        std::size_t end = words == 1 ? WordBreak(s, start, pieceEnd) : pieceEnd;
        if (end == pieceEnd) {
            const std::string piece = s.substr(start, pieceEnd - start);
            if (Width(piece, Alignment) < printableWidth_) {
                if (i == last) {
                    OutputLine(piece, 0);
                    return;
                }
                continue;
            }
            if (words > 1) {
                end = lineEnd;
            }
        } else {
            brokenWordEnd = i;
        }
        // A word alone keeps a gap count of one: it has no blank to spread over, but a
        // paragraph's leading blank, which makes the first word, has.
        OutputLine(s.substr(start, end - start), words == 1 ? 1 : words - 2);
        start = s.find_first_not_of(' ', end);
        if (start == std::string::npos) {
            return;
        }
        i = start;
        words = 0;
    }
}

// The end of a line that holds a word alone: the whole word when it is no wider than the
// printable width (a word exactly that wide stays whole), else the longest part of it that
// is, but at least its first character. The lengths tried double until one is too wide,
// then the break is searched between the last two, so no more than twice the line is
// measured at a time.
std::size_t TPrintText::WordBreak(const std::string& s, std::size_t start, std::size_t wordEnd) {
    const std::size_t length = wordEnd - start;
    const auto fits = [&](std::size_t n) {
        return Width(s.substr(start, n), Alignment) <= printableWidth_;
    };
    std::size_t fitting = 1;  // characters that fit, or the one a line must take
    std::size_t tried = 1;
    while (tried < length && fits(tried)) {
        fitting = tried;
        tried *= 2;
    }
    if (tried >= length) {
        if (fits(length)) {
            return wordEnd;
        }
        tried = length;
    }
    while (tried - fitting > 1) {
        const std::size_t middle = (fitting + tried) / 2;
        if (fits(middle)) {
            fitting = middle;
        } else {
            tried = middle;
        }
    }
    return start + fitting;
}
