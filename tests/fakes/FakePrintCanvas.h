#pragma once
// A printer whose glyphs are all 10 pixels wide and whose text is as high as its font's size
// at the resolution, on A4 at 300 pixels per inch unless the test says otherwise. A tab goes
// to the first stop beyond the text before it. It records what is drawn, on which page, and
// counts the characters measured.

#include <algorithm>
#include <string>
#include <vector>

#include "platform/PrintCanvas.h"

class FakePrintCanvas : public IPrintCanvas {
public:
    static constexpr int kGlyphWidth = 10;

    struct Drawn {
        int page, x, y;
        std::string text;
        bool bold;  // the header's and footer's font
        int justifyExtra, justifyBreaks;
    };

    bool HasDefaultPrinter() override { return hasPrinter; }
    int PixelsPerInchX() override { return dpi; }
    int PixelsPerInchY() override { return dpi; }
    int PageWidth() override { return pageWidth; }
    int PageHeight() override { return 3508; }
    void SetOrientation(bool) override {}
    void BeginDocument() override {
        calls.push_back("BeginDocument");
        page = 1;
    }
    void NewPage() override {
        calls.push_back("NewPage");
        ++page;
    }
    void EndDocument() override { calls.push_back("EndDocument"); }
    void AbortDocument() override { calls.push_back("AbortDocument"); }
    void SetFont(const PrintFont& f) override { font = f; }
    TextSize TextExtent(const std::string& text) override {
        measured += static_cast<long long>(text.size());
        return {static_cast<int>(text.size()) * kGlyphWidth, font.size * dpi / 72};
    }
    int TabbedTextWidth(const std::string& text, const std::vector<int>& stops) override {
        measured += static_cast<long long>(text.size());
        int x = 0;
        for (const char c : text) {
            const auto stop = std::upper_bound(stops.begin(), stops.end(), x);
            x = c == '\t' && stop != stops.end() ? *stop : x + kGlyphWidth;
        }
        return x;
    }
    void SetJustification(int extra, int breaks) override {
        justifyExtra = extra;
        justifyBreaks = breaks;
    }
    void PutText(int x, int y, const std::string& text) override {
        drawn.push_back({page, x, y, text, font.bold, justifyExtra, justifyBreaks});
    }
    void PutTabbedText(int x, int y, const std::string& text, const std::vector<int>&,
                       int) override {
        PutText(x, y, text);
    }

    bool hasPrinter = true;
    int dpi = 300;
    int pageWidth = 2480;  // A4 at 300 pixels per inch
    PrintFont font;
    std::vector<Drawn> drawn;
    std::vector<std::string> calls;  // BeginDocument, NewPage, EndDocument, AbortDocument
    int page = 0;
    int justifyExtra = 0;
    int justifyBreaks = 0;
    long long measured = 0;
};
