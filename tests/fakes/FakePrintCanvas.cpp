#include "fakes/FakePrintCanvas.h"

#include <algorithm>

void FakePrintCanvas::BeginDocument() {
    calls.push_back("BeginDocument");
    page = 1;
}

void FakePrintCanvas::NewPage() {
    calls.push_back("NewPage");
    ++page;
}

void FakePrintCanvas::EndDocument() {
    calls.push_back("EndDocument");
}

void FakePrintCanvas::AbortDocument() {
    calls.push_back("AbortDocument");
}

TextSize FakePrintCanvas::TextExtent(const std::string& text) {
    return {static_cast<int>(text.size()) * kGlyphWidth, font.size * dpi / 72};
}

// A tab goes to the first stop beyond the text before it; past the last stop it is as wide
// as any other glyph.
int FakePrintCanvas::TabbedTextWidth(const std::string& text, const std::vector<int>& tabStops) {
    int x = 0;
    for (const char c : text) {
        const auto stop = std::upper_bound(tabStops.begin(), tabStops.end(), x);
        x = c == '\t' && stop != tabStops.end() ? *stop : x + kGlyphWidth;
    }
    return x;
}

void FakePrintCanvas::SetJustification(int extra, int breakCount) {
    justifyExtra_ = extra;
    justifyBreaks_ = breakCount;
}

void FakePrintCanvas::PutText(int x, int y, const std::string& text) {
    Record(x, y, text, false);
}

void FakePrintCanvas::PutTabbedText(int x, int y, const std::string& text, const std::vector<int>&,
                                    int) {
    Record(x, y, text, true);
}

void FakePrintCanvas::Record(int x, int y, const std::string& text, bool tabbed) {
    drawn.push_back({page, x, y, text, tabbed, font, justifyExtra_, justifyBreaks_});
}

std::vector<std::string> FakePrintCanvas::BodyTexts() const {
    std::vector<std::string> texts;
    for (const Drawn& d : drawn) {
        if (!d.font.bold) {
            texts.push_back(d.text);
        }
    }
    return texts;
}
