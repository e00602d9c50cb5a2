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
// over the gaps between its words. Each line takes at least one character, so the loop
// always moves on.
void TPrintText::WrapParagraph(const std::string& s) {
    const std::size_t last = s.size() - 1;
    std::size_t start = 0;  // the current line's first character
    std::size_t i = 0;      // the end of the last word taken
    int words = 0;
    for (;;) {
        const std::size_t lineEnd = i;  // where the line ends when the next word does not fit
        i = NextWordEnd(s, i);
        ++words;
        const std::size_t pieceEnd = i == last ? last + 1 : i;
        const std::string piece = s.substr(start, pieceEnd - start);
        if (Width(piece, Alignment) < printableWidth_) {
            if (i == last) {
                OutputLine(piece, 0);
                return;
            }
            continue;
        }
        if (words == 1) {
            // Its gap count stays one: a word has no blank to spread over, but a paragraph's
            // leading blank, which makes the first word, has.
            const std::size_t end = WordBreak(s, start, pieceEnd);
            OutputLine(s.substr(start, end - start), 1);
            start = end;
        } else {
            OutputLine(s.substr(start, lineEnd - start), words - 2);
            start = lineEnd;
        }
        start = s.find_first_not_of(' ', start);
        if (start == std::string::npos) {
            return;
        }
        i = start;
        words = 0;
    }
}

// The end of a line that holds a word alone: the whole word when it is no wider than the
// printable width (a word exactly that wide stays whole), else the longest part of it that
// is, but at least its first character.
std::size_t TPrintText::WordBreak(const std::string& s, std::size_t start, std::size_t wordEnd) {
    if (Width(s.substr(start, wordEnd - start), Alignment) <= printableWidth_) {
        return wordEnd;
    }
    std::size_t fits = 1;                   // characters that fit, or the one a line must take
    std::size_t tooWide = wordEnd - start;  // characters that do not
    while (tooWide - fits > 1) {
        const std::size_t middle = (fits + tooWide) / 2;
        if (Width(s.substr(start, middle), Alignment) <= printableWidth_) {
            fits = middle;
        } else {
            tooWide = middle;
        }
    }
    return start + fits;
}
