#include "support/PText32.h"

#include <algorithm>
#include <cmath>

#include "support/strutil.h"

namespace {

constexpr float kMillimetresPerInch = 25.4f;
constexpr float kInchesPerMillimetre = 0.03937008f;
constexpr float kTabStopSpacing = 15;

// Pixels for a length at a resolution, to the nearest pixel and halves to the even one.
int ToPixels(int pixelsPerInch, float length, float divisor) {
    return static_cast<int>(std::nearbyint(static_cast<double>(pixelsPerInch) * length / divisor));
}

}  // namespace

TPrintText::TPrintText(IPrintCanvas& printer) : printer_(printer) {
    for (int n = 0; n < kTabStopCount; ++n) {
        tabStops_[n] = kTabStopSpacing * static_cast<float>(n + 1);
    }
}

void TPrintText::SetOrientation(TPrinterOrientation orientation) {
    if (orientation == orientation_) {
        return;
    }
    orientation_ = orientation;
    if (printing_) {
        checkOnlyActive_ ? printer_.AbortDocument() : printer_.EndDocument();
    }
    printer_.SetOrientation(orientation == poLandscape);
    if (printing_) {
        printer_.BeginDocument();
        UpdateMetrics();
    }
    ++pageNumber_;
}

void TPrintText::SetUnits(TUnits units) {
    if (units == units_) {
        return;
    }
    ConvertUnits(units == unMillimetres ? kMillimetresPerInch : kInchesPerMillimetre);
    units_ = units;
}

void TPrintText::ConvertUnits(float factor) {
    for (float* margin : {&left_, &right_, &top_, &bottom_, &header_, &footer_}) {
        *margin *= factor;
    }
    for (float& stop : tabStops_) {
        stop *= factor;
    }
}

// Outside a job there is nothing to measure the font with: BeginPrint measures it.
void TPrintText::SetFont(const PrintFont& font) {
    font_ = font;
    if (printing_) {
        printer_.SetFont(font_);
        UpdateLineHeight();
    }
}

void TPrintText::SetLeftMargin(float value) {
    left_ = value;
    MarginChanged();
}

void TPrintText::SetRightMargin(float value) {
    right_ = value;
    MarginChanged();
}

void TPrintText::SetTopMargin(float value) {
    if (value != top_ && value > header_) {
        top_ = value;
        MarginChanged();
    }
}

void TPrintText::SetBottomMargin(float value) {
    if (value != bottom_ && value > footer_) {
        bottom_ = value;
        MarginChanged();
    }
}

void TPrintText::SetHeaderMargin(float value) {
    if (value != header_ && value < top_) {
        header_ = value;
        MarginChanged();
    }
}

void TPrintText::SetFooterMargin(float value) {
    if (value != footer_ && value < bottom_) {
        footer_ = value;
        MarginChanged();
    }
}

// Outside a job the pixels are left to BeginPrint, which needs the printer anyway.
void TPrintText::MarginChanged() {
    if (printing_) {
        UpdateMetrics();
    }
}

void TPrintText::SetCheckOnly(bool checkOnly) {
    checkOnly_ = checkOnly;
    if (printing_) {
        checkOnlyActive_ = checkOnly;
    }
}

void TPrintText::RequirePrinter() {
    if (!printer_.HasDefaultPrinter()) {
        throw PrinterError(kNoDefaultPrinter);
    }
}

void TPrintText::UpdateMetrics() {
    const int across = printer_.PixelsPerInchX();
    const int down = printer_.PixelsPerInchY();
    const float divisor = units_ == unMillimetres ? kMillimetresPerInch : 1;
    leftPx_ = ToPixels(across, left_, divisor);
    rightPx_ = ToPixels(across, right_, divisor);
    topPx_ = ToPixels(down, top_, divisor);
    bottomPx_ = ToPixels(down, bottom_, divisor);
    headerPx_ = ToPixels(down, header_, divisor);
    footerPx_ = ToPixels(down, footer_, divisor);
    pageHeight_ = printer_.PageHeight();
    printableWidth_ = printer_.PageWidth() - leftPx_ - rightPx_;
    printableHeight_ = pageHeight_ - topPx_ - bottomPx_;
    tabStopsPx_.clear();
    for (const float stop : tabStops_) {
        tabStopsPx_.push_back(ToPixels(across, stop, divisor));
    }
}

// A font of no size has no leading to scale: its lines are as high as its text.
void TPrintText::UpdateLineHeight() {
    textHeight_ = printer_.TextExtent("Hg").height;
    lineHeight_ =
        font_.size > 0 ? (font_.size + LeadingPoints) * textHeight_ / font_.size : textHeight_;
}

void TPrintText::BeginPrint() {
    if (printing_) {
        return;
    }
    RequirePrinter();
    printer_.BeginDocument();
    printer_.SetFont(font_);
    printing_ = true;
    checkOnlyActive_ = checkOnly_;
    breakPending_ = false;
    UpdateMetrics();
    UpdateLineHeight();
    currentY_ = topPx_;
    usedHeight_ = 0;
    pageNumber_ = FirstPage;
    PrintHeader();
}

// A text's last line break ends its last line and starts none; the lines go without their
// breaks, so that no CR or LF reaches the paper.
bool TPrintText::Print(const std::string& text) {
    if (!printing_) {
        return false;
    }
    printer_.SetFont(font_);
    try {
        if (text.empty()) {
            PrintLine("");
        } else if (RemoveBreaks) {
            PrintLine(RemoveLineBreaks(text, BreakSequence));
        } else {
            PrintLines(SplitLines(text));
        }
        return true;
    } catch (...) {
        return false;
    }
}

bool TPrintText::PrintLines(const std::vector<std::string>& lines) {
    if (!printing_) {
        return false;
    }
    printer_.SetFont(font_);
    for (const std::string& line : lines) {
        PrintLine(line);
    }
    return true;
}

void TPrintText::PrintLine(std::string s) {
    if (!printing_) {
        return;
    }
    if (Alignment == taJustify || !UseTabs) {
        std::replace(s.begin(), s.end(), '\t', ' ');
    }
    // A whole paragraph as wide as the printable width still fits on one line.
    if (!WordWrap || s.empty() || Width(s, Alignment) <= printableWidth_) {
        OutputLine(s, 0);
        return;
    }
    WrapParagraph(s);
}

int TPrintText::Width(const std::string& text, TAlignment alignment) {
    return alignment == taJustify ? printer_.TextExtent(text).width
                                  : printer_.TabbedTextWidth(text, tabStopsPx_);
}

int TPrintText::LineLeft(TAlignment alignment, int gaps, const std::string& text) {
    const int extra = printableWidth_ - Width(text, alignment);
    if (alignment == taJustify && gaps > 0) {
        printer_.SetJustification(extra, gaps);
    } else {
        printer_.SetJustification(0, 0);
    }
    if (extra < 0) {
        if (OnLineOverflow) {
            OnLineOverflow(*this, text);
        }
        return leftPx_;
    }
    switch (alignment) {
        case taCenter:
            return leftPx_ + extra / 2;
        case taRightJustify:
            return leftPx_ + extra;
        case taLeftJustify:
        case taJustify:
            break;
    }
    return leftPx_;
}

void TPrintText::Draw(int x, int y, const std::string& text, TAlignment alignment) {
    if (alignment == taJustify) {
        printer_.PutText(x, y, text);
    } else {
        printer_.PutTabbedText(x, y, text, tabStopsPx_, leftPx_);
    }
}

// Every line but the first of a page has the leading above it; a line that does not fit
// below the used height goes to the next page.
void TPrintText::OutputLine(const std::string& text, int gaps) {
    usedHeight_ += lineHeight_;
    if (currentY_ > topPx_) {
        currentY_ += lineHeight_ - textHeight_;
    }
    if (usedHeight_ > printableHeight_) {
        NewPage();
        usedHeight_ = lineHeight_;
    }
    const int x = LineLeft(Alignment, gaps, text);
    if (!checkOnlyActive_) {
        Draw(x, currentY_, text, Alignment);
    }
    currentY_ += textHeight_;
    printer_.SetJustification(0, 0);
}

// The page break reaches the printer only after OnNewPage, which may switch check-only mode
// on (the break is then kept for EndPrint) or off (the paper then starts with this page).
void TPrintText::NewPage() {
    if (!printing_) {
        return;
    }
    PrintFooter();
    currentY_ = topPx_;
    usedHeight_ = 0;
    ++pageNumber_;
    if (!checkOnlyActive_) {
        breakPending_ = true;
    }
    if (OnNewPage) {
        OnNewPage(*this);
    }
    if (breakPending_ && !checkOnlyActive_) {
        printer_.NewPage();
        breakPending_ = false;
    }
    PrintHeader();
}

// The job counts as closed before the printer is told, so that a printer that fails here
// does not leave it open for good.
void TPrintText::EndPrint() {
    if (!printing_) {
        return;
    }
    PrintFooter();
    const bool nothingPrinted = checkOnlyActive_ && !breakPending_;
    printing_ = false;
    checkOnlyActive_ = false;
    breakPending_ = false;
    if (nothingPrinted) {
        printer_.AbortDocument();
    } else {
        printer_.EndDocument();
    }
}

void TPrintText::PrintHeader() {
    PrintEdgeLine(HeaderText, HeaderFont, HeaderAlignment, true);
}

void TPrintText::PrintFooter() {
    PrintEdgeLine(FooterText, FooterFont, FooterAlignment, false);
}

void TPrintText::PrintEdgeLine(const std::string& text, const PrintFont& font, TAlignment alignment,
                               bool atTop) {
    if (text.empty() || checkOnlyActive_) {
        return;
    }
    const ExpandedCodes line = ExpandCodes(text, pageNumber_);
    printer_.SetFont(font);
    const int x = LineLeft(alignment, line.spaces, line.text);
    const int y = atTop ? headerPx_ : pageHeight_ - footerPx_ - printer_.TextExtent("A").height;
    Draw(x, y, line.text, alignment);
    printer_.SetFont(font_);
    printer_.SetJustification(0, 0);
}
