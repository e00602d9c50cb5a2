#include "support/PText32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakeOs.h"
#include "fakes/FakePrintCanvas.h"

namespace {

using Lines = std::vector<std::string>;

// The default margins at 300 pixels per inch: 236 pixels left and right, 295 top and bottom,
// 118 for the header and the footer. Ten-point text is 41 pixels high, its lines 49 apart.
constexpr int kLeftPx = 236;
constexpr int kTopPx = 295;
constexpr int kLineHeight = 49;

class PrintTextTest : public FakeOs {
protected:
    // A page whose printable width holds `glyphs` glyphs and `extraPixels` more.
    void SetPrintableWidth(int glyphs, int extraPixels = 0) {
        printer.pageWidth = 2 * kLeftPx + glyphs * FakePrintCanvas::kGlyphWidth + extraPixels;
    }

    Lines PrintedLines(const std::string& text) {
        print.BeginPrint();
        EXPECT_TRUE(print.Print(text));
        print.EndPrint();
        return printer.BodyTexts();
    }

    FakePrintCanvas printer;
    TPrintText print{printer};
};

TEST_F(PrintTextTest, WrapsAtTheLastBlankThatKeepsTheLineStrictlyNarrower) {
    const struct {
        int glyphs, extraPixels;
        const char* text;
        Lines lines;
    } cases[] = {
        // A whole paragraph as wide as the page prints on one line, and so does one a pixel
        // narrower; in wrapping, a piece as wide as the page does not fit.
        {10, 0, "abcdefghij", {"abcdefghij"}},
        {10, 1, "abcdefghij", {"abcdefghij"}},
        {10, 0, "abcde fghi jk", {"abcde", "fghi jk"}},
        {10, 1, "abcde fghi jk", {"abcde fghi", "jk"}},
        // A word wider than the page is cut after its last glyph that fits.
        {10, 0, "abcdefghijklmnopqrstuvwxy", {"abcdefghij", "klmnopqrst", "uvwxy"}},
        {10, 0, "ab cdefghijklmno", {"ab", "cdefghijkl", "mno"}},
        {10, 0, "abcdefghi j", {"abcdefghi", "j"}},
        {10, 0, "abcdefghi   j  ", {"abcdefghi", "j  "}},
        {10, 0, "abcdefghi        ", {"abcdefghi"}},
        // A last word exactly as wide as the page stands whole on its own line (this hung).
        {10, 0, "ab abcdefghij", {"ab", "abcdefghij"}},
        {10, 0, "abcdefghij abcdefghij", {"abcdefghij", "abcdefghij"}},
        // Even a glyph wider than the page moves the paragraph on.
        {0, 5, "ab c", {"a", "b", "c"}},
    };
    for (const auto& c : cases) {
        SetPrintableWidth(c.glyphs, c.extraPixels);
        printer.drawn.clear();
        EXPECT_EQ(PrintedLines(c.text), c.lines) << c.text << " in " << c.glyphs;
    }
}

// At 1200 pixels per inch a paragraph of 6600 glyphs is 66000 pixels wide, which cut to 16
// bits is 464: narrower than the page.
TEST_F(PrintTextTest, AParagraphWiderThanSixteenBitsOfPixelsIsWrapped) {
    printer.dpi = 1200;
    printer.pageWidth = 9920;
    const Lines lines = PrintedLines(std::string(6600, 'x'));
    ASSERT_GT(lines.size(), 1u);
    EXPECT_LE(lines[0].size() * FakePrintCanvas::kGlyphWidth, 9920u - 2 * 945);
}

TEST_F(PrintTextTest, AlignsEachLineAndJustifiesOnlyTheLinesThatWrapEnded) {
    SetPrintableWidth(10);
    const struct {
        TAlignment alignment;
        int x;
    } cases[] = {{taLeftJustify, kLeftPx},
                 {taCenter, kLeftPx + 30},
                 {taRightJustify, kLeftPx + 60},
                 {taJustify, kLeftPx}};
    for (const auto& c : cases) {
        printer.drawn.clear();
        print.Alignment = c.alignment;
        PrintedLines("abcd");
        ASSERT_EQ(printer.drawn.size(), 1u);
        EXPECT_EQ(printer.drawn[0].x, c.x) << c.alignment;
        EXPECT_EQ(printer.drawn[0].tabbed, c.alignment != taJustify);
    }

    printer.drawn.clear();
    PrintedLines("ab cd ef gh\r\nab cd");
    ASSERT_EQ(printer.BodyTexts(), (Lines{"ab cd ef", "gh", "ab cd"}));
    EXPECT_EQ(printer.drawn[0].justifyExtra, 20);
    EXPECT_EQ(printer.drawn[0].justifyBreaks, 2);
    for (int i : {1, 2}) {
        EXPECT_EQ(printer.drawn[i].justifyBreaks, 0) << i;
    }
}

TEST_F(PrintTextTest, ALineWiderThanThePageStartsAtTheLeftMarginAndIsReported) {
    SetPrintableWidth(10);
    print.WordWrap = false;
    print.Alignment = taCenter;
    Lines overflowing;
    print.OnLineOverflow = [&](TPrintText&, const std::string& text) {
        overflowing.push_back(text);
    };
    PrintedLines("abcdefghijk\nabc");
    EXPECT_EQ(overflowing, Lines{"abcdefghijk"});
    EXPECT_EQ(printer.drawn[0].x, kLeftPx);
}

// A text's lines print without their breaks, blank lines as blank lines, and a break at the
// end adds no line.
TEST_F(PrintTextTest, PrintsEachLineOfATextWithoutItsBreak) {
    const struct {
        const char* text;
        Lines lines;
    } cases[] = {
        {"", {""}},
        {"one\r\n", {"one"}},
        {"one\r\n\r\n", {"one", ""}},
        {"one\r\ntwo\r\n", {"one", "two"}},
        {"one\rtwo\nthree", {"one", "two", "three"}},
    };
    for (const auto& c : cases) {
        printer.drawn.clear();
        EXPECT_EQ(PrintedLines(c.text), c.lines) << c.text;
    }
    for (const TAlignment alignment : {taLeftJustify, taRightJustify, taCenter, taJustify}) {
        for (const bool useTabs : {true, false}) {
            printer.drawn.clear();
            print.Alignment = alignment;
            print.UseTabs = useTabs;
            EXPECT_EQ(PrintedLines("one\r\n\r\nthree"), (Lines{"one", "", "three"}));
            EXPECT_EQ(printer.drawn[2].y, kTopPx + 2 * kLineHeight);
        }
    }
}

TEST_F(PrintTextTest, RemoveBreaksJoinsTheTextAtItsBreaks) {
    const struct {
        const char* text;
        TBreakSequence sequence;
        const char* joined;
    } cases[] = {
        {"one\r\ntwo\r\n", bsAuto, "one two"}, {"one\ntwo\r\nthree", bsAuto, "one\ntwo three"},
        {"one\rtwo\r\r", bsAuto, "one two "},  {"one\ntwo", bsCR, "one\ntwo"},
        {"one\n\ntwo", bsLF, "one  two"},      {"one two", bsAuto, "one two"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RemoveLineBreaks(c.text, c.sequence), c.joined) << c.text;
    }
    print.RemoveBreaks = true;
    EXPECT_EQ(PrintedLines("one\r\ntwo\r\n"), Lines{"one two"});
}

TEST_F(PrintTextTest, ExpandsTheCodesOfAHeaderToTheEndOfTheText) {
    const struct {
        const char* text;
        const char* expanded;
        int spaces;
    } cases[] = {
        {"Printed &D, page &N", "Printed 06/12/98, page 12", 3},
        {"&T&N", "14:03:2212", 0},
        {"a &&N &x &n &", "a &&N &x &n &", 4},
        {"&N", "12", 0},
    };
    for (const auto& c : cases) {
        const ExpandedCodes codes = ExpandCodes(c.text, 12);
        EXPECT_EQ(codes.text, c.expanded) << c.text;
        EXPECT_EQ(codes.spaces, c.spaces) << c.text;
    }
}

TEST_F(PrintTextTest, HeadersAndFootersCountPagesFromTheFirstPageNumber) {
    print.HeaderText = "Page &N";
    print.FooterText = "&N";
    for (const int firstPage : {1, 5}) {
        printer.drawn.clear();
        print.FirstPage = static_cast<std::uint16_t>(firstPage);
        print.BeginPrint();
        print.Print("body");
        print.NewPage();
        print.EndPrint();
        const std::string first = std::to_string(firstPage);
        const std::string second = std::to_string(firstPage + 1);
        ASSERT_EQ(printer.drawn.size(), 5u);
        EXPECT_EQ(printer.drawn[0].text, "Page " + first);
        EXPECT_EQ(printer.drawn[0].y, 118);
        EXPECT_TRUE(printer.drawn[0].font.bold);
        EXPECT_EQ(printer.drawn[2].text, first);
        EXPECT_EQ(printer.drawn[2].y, 3508 - 118 - 41);
        EXPECT_EQ(printer.drawn[3].text, "Page " + second);
        EXPECT_EQ(printer.drawn[3].page, 2);
        EXPECT_EQ(printer.drawn[4].text, second);
    }
}

// 3508 pixels of A4 less 2 x 295 of margins leave 2918 for the body: 59 lines of 49.
TEST_F(PrintTextTest, AnA4PageHoldsAsManyLinesAsItsPrintableHeightHasRoomFor) {
    print.BeginPrint();
    print.PrintLines(Lines(60, "line"));
    print.EndPrint();
    ASSERT_EQ(printer.drawn.size(), 60u);
    EXPECT_EQ(printer.drawn[58].page, 1);
    EXPECT_EQ(printer.drawn[58].y, kTopPx + 58 * kLineHeight);
    EXPECT_EQ(printer.drawn[59].page, 2);
    EXPECT_EQ(printer.drawn[59].y, kTopPx);
}

TEST_F(PrintTextTest, CheckOnlyBreaksPagesAsPrintingDoesWithoutPrinting) {
    const auto pagesBroken = [&](bool checkOnly) {
        std::vector<int> pages;
        print.OnNewPage = [&](TPrintText& sender) { pages.push_back(sender.PageNumber()); };
        print.SetCheckOnly(checkOnly);
        print.BeginPrint();
        print.Print(std::string(150, '\n') + "last");
        print.EndPrint();
        return pages;
    };
    EXPECT_EQ(pagesBroken(false), (std::vector<int>{2, 3}));
    printer.drawn.clear();
    printer.calls.clear();
    EXPECT_EQ(pagesBroken(true), (std::vector<int>{2, 3}));
    EXPECT_TRUE(printer.drawn.empty());
    EXPECT_EQ(printer.calls, (Lines{"BeginDocument", "AbortDocument"}));

    // Switched off at the first break, the paper starts with the second page.
    printer.calls.clear();
    print.OnNewPage = [](TPrintText& sender) { sender.SetCheckOnly(false); };
    print.BeginPrint();
    print.Print(std::string(100, '\n') + "last");
    print.EndPrint();
    EXPECT_EQ(printer.calls, (Lines{"BeginDocument", "EndDocument"}));
    EXPECT_EQ(printer.BodyTexts().back(), "last");
    EXPECT_EQ(printer.drawn.front().y, kTopPx);
}

TEST_F(PrintTextTest, RefusesAMarginThatWouldCrossItsPartner) {
    print.SetTopMargin(10);
    print.SetBottomMargin(5);
    print.SetHeaderMargin(25);
    print.SetFooterMargin(30);
    EXPECT_EQ(print.TopMargin(), 25);
    EXPECT_EQ(print.BottomMargin(), 25);
    EXPECT_EQ(print.HeaderMargin(), 10);
    EXPECT_EQ(print.FooterMargin(), 10);
    print.SetTopMargin(10.5f);
    print.SetHeaderMargin(10.25f);
    print.SetLeftMargin(-3);
    EXPECT_EQ(print.TopMargin(), 10.5f);
    EXPECT_EQ(print.HeaderMargin(), 10.25f);
    EXPECT_EQ(print.LeftMargin(), -3);
}

TEST_F(PrintTextTest, UnitsConvertEveryMarginAndKeepThePage) {
    print.SetUnits(unInches);
    EXPECT_NEAR(print.LeftMargin(), 20 / 25.4, 1e-6);
    PrintedLines("\tx");
    print.SetUnits(unMillimetres);
    for (const float margin :
         {print.LeftMargin(), print.RightMargin(), print.TopMargin(), print.BottomMargin()}) {
        EXPECT_FLOAT_EQ(margin, margin > 15 ? (margin > 22 ? 25 : 20) : 10);
    }
    EXPECT_FLOAT_EQ(print.HeaderMargin(), 10);
    EXPECT_FLOAT_EQ(print.FooterMargin(), 10);
    PrintedLines("\tx");
    ASSERT_EQ(printer.drawn.size(), 2u);
    EXPECT_EQ(printer.drawn[0].x, kLeftPx);
    EXPECT_EQ(printer.drawn[0].x, printer.drawn[1].x);
}

TEST_F(PrintTextTest, WithoutADefaultPrinterNoJobOpens) {
    printer.hasPrinter = false;
    try {
        print.BeginPrint();
        FAIL() << "no error";
    } catch (const PrinterError& e) {
        EXPECT_STREQ(e.what(), "There is no default printer currently selected");
    }
    EXPECT_TRUE(printer.calls.empty());
    EXPECT_FALSE(print.Print("text"));
}

}  // namespace
