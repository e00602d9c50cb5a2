#include "win32/Fonts.h"

GdiObject<HFONT> MakeFont(const char* face, int points, int weight) {
    const WindowDc screen;
    const int height = -MulDiv(points, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
    return GdiObject<HFONT>(CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                        DEFAULT_PITCH | FF_SWISS, face));
}

HFONT FontOf(HWND window) {
    return reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
}
