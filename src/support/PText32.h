#pragma once
// TPrintText: plain text printed on the default printer. It lays the text out in a page
// frame given by margins, wraps paragraphs at blanks, expands tabs at fixed stops, aligns
// each line, breaks pages, and prints a header and a footer with page number, date and time
// codes on every page. In check-only mode it runs the whole layout, events included, without
// putting anything on paper.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/PrintCanvas.h"
#include "support/PText32Text.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter, taJustify };
enum TPrinterOrientation { poPortrait, poLandscape };
enum TUnits { unInches, unMillimetres };

class TPrintText {
public:
    using TNotifyEvent = std::function<void(TPrintText& sender)>;
    using TOverflowEvent = std::function<void(TPrintText& sender, const std::string& text)>;
    static constexpr int kTabStopCount = 50;

    explicit TPrintText(IPrintCanvas& printer);

    // Properties without rules of their own; they take effect at the next line drawn.
    TAlignment Alignment = taLeftJustify;
    TAlignment HeaderAlignment = taCenter;
    TAlignment FooterAlignment = taCenter;
    std::string HeaderText;  // with the codes &D, &T and &N; empty for no header
    std::string FooterText;
    PrintFont HeaderFont{"Arial", 10, true, 0};
    PrintFont FooterFont{"Arial", 10, true, 0};
    std::uint16_t LeadingPoints = 2;  // between body lines
    std::uint16_t FirstPage = 1;
    bool WordWrap = true;
    bool RemoveBreaks = false;  // the whole text joined into one paragraph
    TBreakSequence BreakSequence = bsAuto;
    bool UseTabs = true;            // false: tabs print as blanks
    TNotifyEvent OnNewPage;         // at every page break; may switch CheckOnly
    TOverflowEvent OnLineOverflow;  // for each line wider than the printable width

    // A job closed and a new one opened at once when a job is open; the page number advances.
    TPrinterOrientation Orientation() const { return orientation_; }
    void SetOrientation(TPrinterOrientation orientation);

    // A change converts every margin and tab stop into the new unit.
    TUnits Units() const { return units_; }
    void SetUnits(TUnits units);

    // The body font; set on the printer at once while a job is open.
    const PrintFont& Font() const { return font_; }
    void SetFont(const PrintFont& font);

    // Margins in Units. Left and right take any value. Top must stay above the header
    // margin and bottom above the footer margin, and the header and footer margins below
    // them: a value that breaks that rule is ignored.
    float LeftMargin() const { return left_; }
    float RightMargin() const { return right_; }
    float TopMargin() const { return top_; }
    float BottomMargin() const { return bottom_; }
    float HeaderMargin() const { return header_; }
    float FooterMargin() const { return footer_; }
    void SetLeftMargin(float value);
    void SetRightMargin(float value);
    void SetTopMargin(float value);
    void SetBottomMargin(float value);
    void SetHeaderMargin(float value);
    void SetFooterMargin(float value);

    // Switched in the middle of a job it takes effect at once.
    bool CheckOnly() const { return checkOnly_; }
    void SetCheckOnly(bool checkOnly);

    // The number of the current page.
    int PageNumber() const { return pageNumber_; }

    // Opens a job (nothing when one is open) and prints the first page's header. Throws
    // PrinterError when there is no default printer, or what the printer throws.
    void BeginPrint();

    // Prints a text of one or more lines; false when no job is open or the printing failed.
    bool Print(const std::string& text);

    // Prints each string as a paragraph; false when no job is open.
    bool PrintLines(const std::vector<std::string>& lines);

    // Prints one paragraph, wrapped to the printable width.
    void PrintLine(std::string s);

    // Ends the page with its footer and starts the next (nothing when no job is open).
    void NewPage();

    // Prints the last footer and finishes the job (nothing when none is open). A job run in
    // check-only mode throughout is dropped.
    void EndPrint();

private:
    void RequirePrinter();
    void MarginChanged();
    void UpdateMetrics();
    void UpdateLineHeight();
    void ConvertUnits(float factor);
    int Width(const std::string& text, TAlignment alignment);
    int LineLeft(TAlignment alignment, int gaps, const std::string& text);
    void Draw(int x, int y, const std::string& text, TAlignment alignment);
    void WrapParagraph(const std::string& s);
    std::size_t WordBreak(const std::string& s, std::size_t start, std::size_t wordEnd);
    void OutputLine(const std::string& text, int gaps);
    void PrintHeader();
    void PrintFooter();
    void PrintEdgeLine(const std::string& text, const PrintFont& font, TAlignment alignment,
                       bool atTop);

    IPrintCanvas& printer_;
    TPrinterOrientation orientation_ = poPortrait;
    TUnits units_ = unMillimetres;
    PrintFont font_;
    float left_ = 20, right_ = 20, top_ = 25, bottom_ = 25, header_ = 10, footer_ = 10;
    bool checkOnly_ = false;
    std::array<float, kTabStopCount> tabStops_{};

    bool printing_ = false;
    bool checkOnlyActive_ = false;
    bool breakPending_ = false;
    int pageNumber_ = 0;
    int currentY_ = 0;
    int usedHeight_ = 0;
    int textHeight_ = 0;
    int lineHeight_ = 0;
    int pageHeight_ = 0;
    int leftPx_ = 0, rightPx_ = 0, topPx_ = 0, bottomPx_ = 0, headerPx_ = 0, footerPx_ = 0;
    int printableWidth_ = 0;
    int printableHeight_ = 0;
    std::vector<int> tabStopsPx_;
};
