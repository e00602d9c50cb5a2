#pragma once
// A printer whose glyphs are all 10 pixels wide and whose text is as high as its font's
// size at the resolution, on A4 paper at 300 pixels per inch unless the test says otherwise.
// A tab goes to the first stop beyond the text before it, past the last stop one glyph on.
// It records what is drawn, on which page, with which font and justification.

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/PrintCanvas.h"

class FakePrintCanvas : public IPrintCanvas {
public:
    static constexpr int kGlyphWidth = 10;

    struct Drawn {
        int page, x, y;
        std::string text;
        PrintFont font;
        int justifyExtra, justifyBreaks;
    };

    bool HasDefaultPrinter() override { return hasPrinter; }
    int PixelsPerInchX() override { return dpi; }
    int PixelsPerInchY() override { return dpi; }
    int PageWidth() override { return pageWidth; }
    int PageHeight() override { return pageHeight; }
    void SetOrientation(bool) override {}
    void BeginDocument() override {
        Call("BeginDocument");
        page = 1;
    }
    void NewPage() override {
        Call("NewPage");
        ++page;
    }
    void EndDocument() override { Call("EndDocument"); }
    void AbortDocument() override { Call("AbortDocument"); }
    void SetFont(const PrintFont& f) override { font = f; }
    TextSize TextExtent(const std::string& text) override {
        return {static_cast<int>(text.size()) * kGlyphWidth, font.size * dpi / 72};
    }
    int TabbedTextWidth(const std::string& text, const std::vector<int>& stops) override {
        int x = 0;
        for (const char c : text) {
            const auto stop = std::upper_bound(stops.begin(), stops.end(), x);
            x = c == '\t' && stop != stops.end() ? *stop : x + kGlyphWidth;
        }
        return x;
    }
    void SetJustification(int extra, int breaks) override { justify = {extra, breaks}; }
    void PutText(int x, int y, const std::string& text) override { Draw(x, y, text); }
    void PutTabbedText(int x, int y, const std::string& text, const std::vector<int>&,
                       int) override {
        Draw(x, y, text);
    }

    // The texts drawn in the body's regular font, leaving out the bold header and footer.
    std::vector<std::string> BodyTexts() const {
        std::vector<std::string> texts;
        for (const Drawn& d : drawn) {
            if (!d.font.bold) {
                texts.push_back(d.text);
            }
        }
        return texts;
    }

    bool hasPrinter = true;
    int dpi = 300;
    int pageWidth = 2480;  // A4 at 300 pixels per inch
    int pageHeight = 3508;
    PrintFont font;
    std::vector<Drawn> drawn;
    std::vector<std::string> calls;  // BeginDocument, NewPage, EndDocument, AbortDocument
    int page = 0;

private:
    void Call(const char* name) { calls.push_back(name); }
    void Draw(int x, int y, const std::string& text) {
        drawn.push_back({page, x, y, text, font, justify.first, justify.second});
    }

    std::pair<int, int> justify{0, 0};
};
