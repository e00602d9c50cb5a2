#pragma once
// The default printer's device context as the text printer's canvas. The context is made
// when first needed, for the printer that is the default then, and kept for this object's
// life; a document still open at the end is dropped.

#include <windows.h>

#include <string>

#include "platform/PrintCanvas.h"
#include "win32/GdiObject.h"

class Win32PrintCanvas : public IPrintCanvas {
public:
    Win32PrintCanvas() = default;
    ~Win32PrintCanvas() override;
    Win32PrintCanvas(const Win32PrintCanvas&) = delete;
    Win32PrintCanvas& operator=(const Win32PrintCanvas&) = delete;

    bool HasDefaultPrinter() override;
    int PixelsPerInchX() override { return GetDeviceCaps(Dc(), LOGPIXELSX); }
    int PixelsPerInchY() override { return GetDeviceCaps(Dc(), LOGPIXELSY); }
    int PageWidth() override { return GetDeviceCaps(Dc(), HORZRES); }
    int PageHeight() override { return GetDeviceCaps(Dc(), VERTRES); }
    void SetOrientation(bool landscape) override;
    void BeginDocument() override;
    void NewPage() override;
    void EndDocument() override;
    void AbortDocument() override;
    void SetFont(const PrintFont& font) override;
    TextSize TextExtent(const std::string& text) override;
    int TabbedTextWidth(const std::string& text, const std::vector<int>& tabStops) override;
    void SetJustification(int extra, int breakCount) override;
    void PutText(int x, int y, const std::string& text) override;
    void PutTabbedText(int x, int y, const std::string& text, const std::vector<int>& tabStops,
                       int tabOrigin) override;

private:
    HDC Dc();
    void ApplyFont();
    void StartNextPage();

    GdiObject<HFONT> hfont_;  // outlives the context it is chosen into
    OwnedHandle<HDC, DeleteDC> dc_;
    bool landscape_ = false;
    bool inDocument_ = false;
    PrintFont font_;
};
