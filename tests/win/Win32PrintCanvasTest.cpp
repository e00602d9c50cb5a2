// The text printer on a real printer: Wine's PostScript driver writing to a file.

#include "win32/Win32PrintCanvas.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "support/PText32.h"
#include "win/InstalledProgram.h"
#include "win/OnWin32.h"
#include "win/PostScriptPrinter.h"

namespace {

class Win32PrintCanvasTest : public OnWin32 {
protected:
    PostScriptPrinter installed;
    Win32PrintCanvas printer;
};

// Beyond 65535 pixels the system's tabbed width is the same width cut to 16 bits.
TEST_F(Win32PrintCanvasTest, MeasuresTabbedTextAsTheSystemDoesToItsFullWidth) {
    const std::vector<int> stops = {300, 600, 900};
    printer.SetFont(PrintFont{});
    const HDC dc = CreateDCA("WINSPOOL", "Tervane Test Printer", nullptr, nullptr);
    LOGFONTA arial{};
    arial.lfHeight = -MulDiv(10, GetDeviceCaps(dc, LOGPIXELSY), 72);
    lstrcpyA(arial.lfFaceName, "Arial");
    const HFONT font = CreateFontIndirectA(&arial);
    SelectObject(dc, font);
    for (const std::string& text : {std::string("a\tbb\tccc\td"), std::string(2000, 'x') + "\ty"}) {
        const int width = printer.TabbedTextWidth(text, stops);
        EXPECT_EQ(width % 65536,
                  LOWORD(GetTabbedTextExtentA(dc, text.c_str(), static_cast<int>(text.size()), 3,
                                              stops.data())))
            << text.size();
        EXPECT_EQ(width > 65535, text.size() > 100);
    }
    DeleteDC(dc);
    DeleteObject(font);
}

TEST_F(Win32PrintCanvasTest, PrintsHeadersAndFootersOnEveryPage) {
    TPrintText print(printer);
    print.HeaderText = "Page &N";
    print.FooterText = "End of page &N";
    const std::string output = TestDir::File("pages.ps");
    std::thread answerer([&] { AnswerFileDialog("Print to File", output); });
    print.BeginPrint();
    print.PrintLines({"First page", "", "Third line"});  // a blank line draws nothing
    print.NewPage();
    print.Print("Second page");
    print.EndPrint();
    answerer.join();
    const std::vector<std::vector<std::string>> pages = PrintedPages(FileContent(output));
    EXPECT_EQ(pages, (std::vector<std::vector<std::string>>{
                         {"Page 1", "First page", "Third line", "End of page 1"},
                         {"Page 2", "Second page", "End of page 2"}}));
}

}  // namespace
