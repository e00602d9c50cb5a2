#pragma once
// The default printer as the text printer draws on it: one document at a time, its pages,
// its font and the measures of text in that font. Lengths are the printer's pixels; text
// positions count from the top left corner of the printable area.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// A failure of the printer itself, such as having none.
class PrinterError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr const char* kNoDefaultPrinter = "There is no default printer currently selected";

struct PrintFont {
    std::string name = "Arial";
    int size = 10;  // points
    bool bold = false;
    std::uint32_t color = 0;  // 0x00BBGGRR
};

struct TextSize {
    int width = 0;
    int height = 0;
};

class IPrintCanvas {
public:
    virtual ~IPrintCanvas() = default;

    // Whether the system has a default printer. Every call below but SetOrientation needs
    // one.
    virtual bool HasDefaultPrinter() = 0;

    // Pixels per inch across and down the page.
    virtual int PixelsPerInchX() = 0;
    virtual int PixelsPerInchY() = 0;

    // The printable area of a page.
    virtual int PageWidth() = 0;
    virtual int PageHeight() = 0;

    // Portrait or landscape paper for the documents begun from now on; kept until changed.
    virtual void SetOrientation(bool landscape) = 0;

    // Begins a document with its first page; ends the page and begins the next; ends the
    // last page and hands the document to the printer; drops the document unprinted. A
    // printer that refuses throws.
    virtual void BeginDocument() = 0;
    virtual void NewPage() = 0;
    virtual void EndDocument() = 0;
    virtual void AbortDocument() = 0;

    // The font of the text measured and drawn from now on.
    virtual void SetFont(const PrintFont& font) = 0;

    // The size of a text in the font, tab characters measured as ordinary characters.
    virtual TextSize TextExtent(const std::string& text) = 0;

    // The width of a text whose tab characters advance to the next of the tab stops (pixels
    // from the text's start); the whole width, however wide.
    virtual int TabbedTextWidth(const std::string& text, const std::vector<int>& tabStops) = 0;

    // Spreads `extra` pixels over the next drawn text's `breakCount` blanks; (0, 0) stops it.
    virtual void SetJustification(int extra, int breakCount) = 0;

    // Draws a text with its top left corner at (x, y).
    virtual void PutText(int x, int y, const std::string& text) = 0;

    // Draws a text whose tab characters advance to the next of the tab stops, counted from
    // tabOrigin.
    virtual void PutTabbedText(int x, int y, const std::string& text,
                               const std::vector<int>& tabStops, int tabOrigin) = 0;
};
