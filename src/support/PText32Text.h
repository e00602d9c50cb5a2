#pragma once
// What the text printer makes of a text before it lays it out: the line breaks of a text
// printed as one paragraph, and the codes of a header or footer.

#include <string>

enum TBreakSequence { bsAuto, bsCRLF, bsCR, bsLF };

// The text as one paragraph: every occurrence of the break sequence becomes one blank, but
// one at the very end goes. bsAuto takes the first of CR LF, CR and LF that the text holds;
// a text with none of them stays as it is.
std::string RemoveLineBreaks(const std::string& text, TBreakSequence sequence);

struct ExpandedCodes {
    std::string text;
    int spaces = 0;  // the blanks of the expanded text, the gaps of a justified line
};

// A header or footer text with "&D" replaced by the date (short format), "&T" by the time
// (long format) and "&N" by the page number. "&&" stays as it is and starts no code; an "&"
// before any other character stays too.
ExpandedCodes ExpandCodes(const std::string& text, int pageNumber);
