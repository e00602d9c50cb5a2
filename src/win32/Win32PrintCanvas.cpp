#include "win32/Win32PrintCanvas.h"

#include <winspool.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "support/AppInfo.h"

namespace {

std::string DefaultPrinterName() {
    char name[MAX_PATH] = "";
    DWORD size = sizeof name;
    if (!GetDefaultPrinterA(name, &size)) {
        throw PrinterError(kNoDefaultPrinter);
    }
    return name;
}

// The printer's own settings with the orientation asked for; empty when the printer gives
// none, so that the context takes the printer's defaults.
std::vector<char> DeviceMode(const std::string& printer, bool landscape) {
    char* name = const_cast<char*>(printer.c_str());
    HANDLE handle = nullptr;
    if (!OpenPrinterA(name, &handle, nullptr)) {
        return {};
    }
    const LONG size = DocumentPropertiesA(nullptr, handle, name, nullptr, nullptr, 0);
    std::vector<char> buffer(static_cast<std::size_t>(std::max(size, 0L)));
    auto* mode = reinterpret_cast<DEVMODEA*>(buffer.data());
    if (buffer.empty() ||
        DocumentPropertiesA(nullptr, handle, name, mode, nullptr, DM_OUT_BUFFER) != IDOK) {
        buffer.clear();
    } else {
        mode->dmOrientation = landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
        mode->dmFields |= DM_ORIENTATION;
    }
    ClosePrinter(handle);
    return buffer;
}

void Require(bool done, const char* failure) {
    if (!done) {
        throw PrinterError(failure);
    }
}

}  // namespace

Win32PrintCanvas::~Win32PrintCanvas() {
    if (inDocument_) {
        AbortDoc(dc_.Get());
    }
}

bool Win32PrintCanvas::HasDefaultPrinter() {
    DWORD size = 0;
    GetDefaultPrinterA(nullptr, &size);
    return size > 0;
}

HDC Win32PrintCanvas::Dc() {
    if (!dc_.Get()) {
        const std::string printer = DefaultPrinterName();
        const std::vector<char> mode = DeviceMode(printer, landscape_);
        dc_.Reset(
            CreateDCA("WINSPOOL", printer.c_str(), nullptr,
                      mode.empty() ? nullptr : reinterpret_cast<const DEVMODEA*>(mode.data())));
        Require(dc_.Get() != nullptr, "The default printer cannot be reached");
        ApplyFont();
    }
    return dc_.Get();
}

// The next context is made with the new orientation; the open document, if any, keeps its.
void Win32PrintCanvas::SetOrientation(bool landscape) {
    if (landscape != landscape_) {
        landscape_ = landscape;
        if (!inDocument_) {
            dc_.Reset();
        }
    }
}

// Under Windows 95 a new page forgets the context's font and colours, so each page takes
// them again.
void Win32PrintCanvas::StartNextPage() {
    Require(StartPage(Dc()) > 0, "The printer cannot start a page");
    ApplyFont();
}

void Win32PrintCanvas::BeginDocument() {
    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = kAppTitle;
    Require(StartDocA(Dc(), &document) > 0, "The printer cannot start the document");
    inDocument_ = true;
    StartNextPage();
}

void Win32PrintCanvas::NewPage() {
    Require(EndPage(Dc()) > 0, "The printer cannot end the page");
    StartNextPage();
}

void Win32PrintCanvas::EndDocument() {
    const bool pageEnded = EndPage(Dc()) > 0;
    const bool documentEnded = EndDoc(Dc()) > 0;
    inDocument_ = false;
    Require(pageEnded && documentEnded, "The printer cannot finish the document");
}

void Win32PrintCanvas::AbortDocument() {
    inDocument_ = false;
    AbortDoc(Dc());
}

void Win32PrintCanvas::SetFont(const PrintFont& font) {
    font_ = font;
    if (dc_.Get()) {
        ApplyFont();
    }
}

// The font chosen before is deleted once the new one has taken its place.
void Win32PrintCanvas::ApplyFont() {
    const HDC dc = dc_.Get();
    LOGFONTA logFont{};
    logFont.lfHeight = -MulDiv(font_.size, GetDeviceCaps(dc, LOGPIXELSY), 72);
    logFont.lfWeight = font_.bold ? FW_BOLD : FW_NORMAL;
    logFont.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(logFont.lfFaceName, font_.name.c_str(), LF_FACESIZE);
    GdiObject<HFONT> font(CreateFontIndirectA(&logFont));
    SelectObject(dc, font.Get());
    hfont_ = std::move(font);
    SetTextColor(dc, font_.color);
    SetBkMode(dc, TRANSPARENT);
}

TextSize Win32PrintCanvas::TextExtent(const std::string& text) {
    SIZE size{};
    GetTextExtentPoint32A(Dc(), text.c_str(), static_cast<int>(text.size()), &size);
    return {size.cx, size.cy};
}

// GetTabbedTextExtentA gives the width in 16 bits, which a long paragraph at 1200 pixels per
// inch outgrows; so the pieces between tabs are measured here and the tabs placed as the
// system places them: at the first stop beyond the text before them, and past the last stop
// at the next multiple of eight average character widths.
int Win32PrintCanvas::TabbedTextWidth(const std::string& text, const std::vector<int>& tabStops) {
    int x = 0;
    std::size_t from = 0;
    for (;;) {
        const std::size_t tab = text.find('\t', from);
        x += TextExtent(text.substr(from, tab - from)).width;
        if (tab == std::string::npos) {
            return x;
        }
        const auto stop = std::upper_bound(tabStops.begin(), tabStops.end(), x);
        if (stop != tabStops.end()) {
            x = *stop;
        } else {
            TEXTMETRICA metrics{};
            GetTextMetricsA(Dc(), &metrics);
            const int step = std::max(8 * static_cast<int>(metrics.tmAveCharWidth), 1);
            x = (x / step + 1) * step;
        }
        from = tab + 1;
    }
}

void Win32PrintCanvas::SetJustification(int extra, int breakCount) {
    SetTextJustification(Dc(), extra, breakCount);
}

void Win32PrintCanvas::PutText(int x, int y, const std::string& text) {
    TextOutA(Dc(), x, y, text.c_str(), static_cast<int>(text.size()));
}

void Win32PrintCanvas::PutTabbedText(int x, int y, const std::string& text,
                                     const std::vector<int>& tabStops, int tabOrigin) {
    TabbedTextOutA(Dc(), x, y, text.c_str(), static_cast<int>(text.size()),
                   static_cast<int>(tabStops.size()), tabStops.data(), tabOrigin);
}
