#include "support/PText32.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "bench/baseline/LiteralRemoveLineBreaks.h"
#include "bench/baseline/LiteralWrap.h"
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
    // A page whose printable width is that many glyphs and pixels.
    void SetPrintableWidth(int glyphs, int pixels = 0) {
        printer.pageWidth = 2 * kLeftPx + glyphs * FakePrintCanvas::kGlyphWidth + pixels;
    }

    // The body's lines as printed, without the header and footer.
    Lines Printed(const std::string& text) {
        printer.drawn.clear();
        print.BeginPrint();
        EXPECT_TRUE(print.Print(text));
        print.EndPrint();
        Lines body;
        for (const auto& d : printer.drawn) {
            if (!d.bold) {
                body.push_back(d.text);
            }
        }
        return body;
    }

    FakePrintCanvas printer;
    TPrintText print{printer};
};

TEST_F(PrintTextTest, WrapsAtTheLastBlankThatKeepsTheLineStrictlyNarrower) {
    const struct {
        int glyphs, pixels;
        const char* text;
        Lines lines;
    } cases[] = {
        // A paragraph as wide as the page, or a pixel narrower, fits on one line; a piece
        // of a wrapped one must be narrower.
        {10, 0, "abcdefghij", {"abcdefghij"}},
        {10, 1, "abcde fghi jk", {"abcde fghi", "jk"}},
        {10, 0, "abcde fghi jk", {"abcde", "fghi jk"}},
        // A word wider than the page is cut after its last glyph that fits.
        {10, 0, "ab cdefghijklmnopqrstuvw", {"ab", "cdefghijkl", "mnopqrstuv", "w"}},
        {10, 0, "abcdefghi   j  ", {"abcdefghi", "j  "}},
        {10, 0, "abcdefghi        ", {"abcdefghi"}},
        // A last word as wide as the page stands whole on a line of its own (this hung),
        // and a glyph wider than the page still moves the paragraph on.
        {10, 0, "ab abcdefghij", {"ab", "abcdefghij"}},
        {0, 5, "ab c", {"a", "b", "c"}},
    };
    for (const auto& c : cases) {
        SetPrintableWidth(c.glyphs, c.pixels);
        EXPECT_EQ(Printed(c.text), c.lines) << c.text;
    }
}

// 6600 glyphs at 1200 pixels per inch make 66000 pixels, which cut to 16 bits is 464.
TEST_F(PrintTextTest, AParagraphWiderThanSixteenBitsOfPixelsIsWrapped) {
    printer.dpi = 1200;
    printer.pageWidth = 9920;
    EXPECT_EQ(Printed(std::string(6600, 'x')).size(), 9u);
}

TEST_F(PrintTextTest, AlignsLinesAndJustifiesOnlyThoseThatWrappingEnded) {
    SetPrintableWidth(10);
    const std::pair<TAlignment, int> lefts[] = {{taLeftJustify, kLeftPx},
                                                {taCenter, kLeftPx + 30},
                                                {taRightJustify, kLeftPx + 60},
                                                {taJustify, kLeftPx}};
    for (const auto& [alignment, left] : lefts) {
        print.Alignment = alignment;
        Printed("abcd");
        EXPECT_EQ(printer.drawn[0].x, left) << alignment;
    }
    ASSERT_EQ(Printed("ab cd ef gh\r\nab cd"), (Lines{"ab cd ef", "gh", "ab cd"}));
    EXPECT_EQ(printer.drawn[0].justifyExtra, 20);
    EXPECT_EQ(printer.drawn[0].justifyBreaks, 2);
    EXPECT_EQ(printer.drawn[1].justifyBreaks + printer.drawn[2].justifyBreaks, 0);
}

// Random paragraphs of short and very long words, single and repeated blanks, at random
// widths: the same lines and gap counts as the wrapping that measured every word whole.
TEST_F(PrintTextTest, WrapsAsMeasuringEveryWordWholeDid) {
    std::mt19937 gen(16);
    print.Alignment = taJustify;
    const auto width = [](const std::string& text) {
        return static_cast<int>(text.size()) * FakePrintCanvas::kGlyphWidth;
    };
    for (int i = 0; i < 3000; ++i) {
        const int glyphs = std::uniform_int_distribution<int>(0, 12)(gen);
        const int pixels = std::uniform_int_distribution<int>(0, 9)(gen);
        SetPrintableWidth(glyphs, pixels);
        std::string text;
        for (int words = std::uniform_int_distribution<int>(1, 6)(gen); words > 0; --words) {
            const int letters = std::uniform_int_distribution<int>(0, 40)(gen) < 8 ? 40 : 4;
            text += std::string(std::uniform_int_distribution<int>(0, 2)(gen), ' ') +
                    std::string(std::uniform_int_distribution<int>(1, letters)(gen), 'w');
        }
        const int printable = glyphs * FakePrintCanvas::kGlyphWidth + pixels;
        const literal_wrap::Lines expected =
            width(text) <= printable ? literal_wrap::Lines{{text, 0}}
                                     : literal_wrap::LiteralWrap(text, width, printable);
        const Lines lines = Printed(text);
        ASSERT_EQ(lines.size(), expected.size()) << '"' << text << "\" at " << printable;
        for (std::size_t n = 0; n < lines.size(); ++n) {
            EXPECT_EQ(lines[n], expected[n].first) << '"' << text << "\" at " << printable;
            EXPECT_EQ(printer.drawn[n].justifyBreaks, expected[n].second) << text;
        }
    }
}

// A word of 200,000 letters on lines of 100: each line measures about its own width, not
// the rest of the word (which made 200 million letters).
TEST_F(PrintTextTest, ALongWordCostsEachLineItsOwnWidth) {
    SetPrintableWidth(100);
    const std::string word(200000, 'w');
    EXPECT_EQ(Printed(" " + word).size(), 2001u);
    EXPECT_LT(printer.measured, 20 * static_cast<long long>(word.size()));
}

// The lines of a text print without their breaks; a break at the end adds no line.
TEST_F(PrintTextTest, PrintsEachLineOfATextOrTheTextJoinedIntoOne) {
    const struct {
        const char* text;
        bool removeBreaks;
        TBreakSequence sequence;
        Lines lines;
    } cases[] = {
        {"", false, bsAuto, {""}},
        {"one\r\n", false, bsAuto, {"one"}},
        {"one\r\n\r\n", false, bsAuto, {"one", ""}},
        {"one\rtwo\nthree\r\n", false, bsAuto, {"one", "two", "three"}},
        {"one\r\ntwo\r\n", true, bsAuto, {"one two"}},
        {"one\ntwo\r\nthree", true, bsAuto, {"one\ntwo three"}},
        {"one\n\ntwo\n", true, bsLF, {"one  two"}},
        {"one\ntwo", true, bsCR, {"one\ntwo"}},
    };
    for (const auto& c : cases) {
        print.RemoveBreaks = c.removeBreaks;
        print.BreakSequence = c.sequence;
        EXPECT_EQ(Printed(c.text), c.lines) << c.text;
    }
}

TEST(RemoveLineBreaks, AgreesWithReplacingInPlaceOnRandomTexts) {
    std::mt19937 gen(4);
    const char kAlphabet[] = {'\r', '\n', ' ', 'a'};
    const struct {
        TBreakSequence sequence;
        const char* lineBreak;
    } sequences[] = {{bsCRLF, "\r\n"}, {bsCR, "\r"}, {bsLF, "\n"}};
    for (int i = 0; i < 5000; ++i) {
        std::string text(std::uniform_int_distribution<int>(0, 12)(gen), 'a');
        for (char& c : text) {
            c = kAlphabet[std::uniform_int_distribution<int>(0, 3)(gen)];
        }
        for (const auto& s : sequences) {
            ASSERT_EQ(RemoveLineBreaks(text, s.sequence),
                      LiteralRemoveLineBreaks(text, s.lineBreak))
                << testing::PrintToString(text) << " " << s.sequence;
        }
    }
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
    for (const int first : {1, 5}) {
        print.FirstPage = static_cast<std::uint16_t>(first);
        printer.drawn.clear();
        print.BeginPrint();
        print.NewPage();
        print.EndPrint();
        const auto n = [](int page) { return std::to_string(page); };
        ASSERT_EQ(printer.drawn.size(), 4u);
        EXPECT_EQ(printer.drawn[0].text, "Page " + n(first));
        EXPECT_EQ(printer.drawn[0].y, 118);
        EXPECT_EQ(printer.drawn[1].text, n(first));
        EXPECT_EQ(printer.drawn[1].y, 3508 - 118 - 41);
        EXPECT_EQ(printer.drawn[2].text, "Page " + n(first + 1));
        EXPECT_EQ(printer.drawn[3].page, 2);
    }
}

// 3508 pixels of A4 less 2 x 295 of margins leave 2918 for the body: 59 lines of 49.
TEST_F(PrintTextTest, AnA4PageHoldsAsManyLinesAsItsPrintableHeightHasRoomFor) {
    Printed(std::string(59, '\n') + "last");
    EXPECT_EQ(printer.drawn[58].page, 1);
    EXPECT_EQ(printer.drawn[58].y, kTopPx + 58 * kLineHeight);
    EXPECT_EQ(printer.drawn[59].page, 2);
    EXPECT_EQ(printer.drawn[59].y, kTopPx);
}

TEST_F(PrintTextTest, CheckOnlyBreaksPagesAsPrintingDoesWithoutPrinting) {
    std::vector<int> breaks;
    print.OnNewPage = [&](TPrintText& sender) { breaks.push_back(sender.PageNumber()); };
    for (const bool checkOnly : {false, true}) {
        print.SetCheckOnly(checkOnly);
        printer.calls.clear();
        Printed(std::string(150, '\n'));
    }
    EXPECT_EQ(breaks, (std::vector<int>{2, 3, 2, 3}));
    EXPECT_TRUE(printer.drawn.empty());
    EXPECT_EQ(printer.calls, (Lines{"BeginDocument", "AbortDocument"}));

    // Switched off at the first break, the paper starts with the second page.
    print.OnNewPage = [](TPrintText& sender) { sender.SetCheckOnly(false); };
    printer.calls.clear();
    EXPECT_EQ(Printed(std::string(100, '\n') + "last").back(), "last");
    EXPECT_EQ(printer.calls, (Lines{"BeginDocument", "EndDocument"}));
    EXPECT_EQ(printer.drawn.front().y, kTopPx);
}

TEST_F(PrintTextTest, RefusesMarginsThatCrossAndConvertsThemBetweenUnits) {
    print.SetTopMargin(10);
    print.SetBottomMargin(5);
    print.SetHeaderMargin(25);
    print.SetFooterMargin(30);
    print.SetRightMargin(-3);
    EXPECT_EQ((std::vector<float>{print.RightMargin(), print.TopMargin(), print.BottomMargin(),
                                  print.HeaderMargin(), print.FooterMargin()}),
              (std::vector<float>{-3, 25, 25, 10, 10}));

    // In inches the margins and the first tab stop (15 mm, 177 pixels) stay where they were.
    print.SetRightMargin(20);
    print.SetUnits(unInches);
    EXPECT_NEAR(print.TopMargin(), 25 / 25.4, 1e-6);
    SetPrintableWidth(19);
    EXPECT_EQ(Printed("\tx"), Lines{"\tx"});
    EXPECT_EQ(printer.drawn[0].x, kLeftPx);
    print.SetUnits(unMillimetres);
    EXPECT_FLOAT_EQ(print.TopMargin(), 25);
    EXPECT_FLOAT_EQ(print.FooterMargin(), 10);
}

TEST_F(PrintTextTest, WithoutADefaultPrinterNoJobOpens) {
    printer.hasPrinter = false;
    EXPECT_THROW(print.BeginPrint(), PrinterError);
    EXPECT_TRUE(printer.calls.empty());
    EXPECT_FALSE(print.Print("text"));
}

}  // namespace
