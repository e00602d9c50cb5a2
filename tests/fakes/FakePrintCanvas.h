#pragma once
// A printer whose glyphs are all 10 pixels wide and whose text is as high as its font size
// at the vertical resolution, on A4 paper at 300 pixels per inch unless the test says
// otherwise. It records what is drawn, on which page, with which justification.

#include <string>
#include <vector>

#include "platform/PrintCanvas.h"

class FakePrintCanvas : public IPrintCanvas {
public:
    static constexpr int kGlyphWidth = 10;

    struct Drawn {
        int page = 0;  // from 1 in each document
        int x = 0;
        int y = 0;
        std::string text;
        bool tabbed = false;
        PrintFont font;
        int justifyExtra = 0;
        int justifyBreaks = 0;
    };

    bool HasDefaultPrinter() override { return hasPrinter; }
    int PixelsPerInchX() override { return dpi; }
    int PixelsPerInchY() override { return dpi; }
    int PageWidth() override { return landscape ? pageHeight : pageWidth; }
    int PageHeight() override { return landscape ? pageWidth : pageHeight; }
    void SetOrientation(bool toLandscape) override { landscape = toLandscape; }
    void BeginDocument() override;
    void NewPage() override;
    void EndDocument() override;
    void AbortDocument() override;
    void SetFont(const PrintFont& f) override { font = f; }
    TextSize TextExtent(const std::string& text) override;
    int TabbedTextWidth(const std::string& text, const std::vector<int>& tabStops) override;
    void SetJustification(int extra, int breakCount) override;
    void PutText(int x, int y, const std::string& text) override;
    void PutTabbedText(int x, int y, const std::string& text, const std::vector<int>& tabStops,
                       int tabOrigin) override;

    // The texts drawn in the body font (not the header's or footer's), in order.
    std::vector<std::string> BodyTexts() const;

    bool hasPrinter = true;
    int dpi = 300;
    int pageWidth = 2480;  // A4 at 300 pixels per inch
    int pageHeight = 3508;
    bool landscape = false;
    PrintFont font;
    std::vector<Drawn> drawn;
    std::vector<std::string> calls;  // BeginDocument, NewPage, EndDocument, AbortDocument
    int page = 0;

private:
    void Record(int x, int y, const std::string& text, bool tabbed);

    int justifyExtra_ = 0;
    int justifyBreaks_ = 0;
};
