#include "win32/Win32Windows.h"

#include <windows.h>

#include <algorithm>

#include "win32/WaitSpan.h"
#include "win32/WindowHandle.h"

// Window 0 is no window: it gets the empty answer without a question to the system, which
// answers some questions about "no window" with another window's texts (the desktop's).

bool Win32Windows::IsMinimised(WindowId window) {
    return window != 0 && IsIconic(ToHwnd(window)) != 0;
}

WindowId Win32Windows::ParentOf(WindowId window) {
    return window == 0 ? 0 : ToWindowId(GetParent(ToHwnd(window)));
}

WindowId Win32Windows::FirstInZOrder(WindowId window) {
    return window == 0 ? 0 : ToWindowId(GetWindow(ToHwnd(window), GW_HWNDFIRST));
}

WindowId Win32Windows::NextInZOrder(WindowId window) {
    return window == 0 ? 0 : ToWindowId(GetWindow(ToHwnd(window), GW_HWNDNEXT));
}

WindowId Win32Windows::FirstChild(WindowId window) {
    return window == 0 ? 0 : ToWindowId(GetWindow(ToHwnd(window), GW_CHILD));
}

namespace {

// Both texts are read through a buffer of this size, so at most 99 characters arrive.
constexpr int kTextBuffer = 100;

}  // namespace

std::string Win32Windows::CaptionOf(WindowId window) {
    if (window == 0) {
        return {};
    }
    char text[kTextBuffer] = {};
    const int length = GetWindowTextA(ToHwnd(window), text, kTextBuffer);
    return std::string(text, length > 0 ? length : 0);
}

std::string Win32Windows::ClassNameOf(WindowId window) {
    if (window == 0) {
        return {};
    }
    char text[kTextBuffer] = {};
    const int length = GetClassNameA(ToHwnd(window), text, kTextBuffer);
    return std::string(text, length > 0 ? length : 0);
}

namespace {

HMENU ToHmenu(MenuId menu) {
    return reinterpret_cast<HMENU>(menu);
}

MenuId ToMenuId(HMENU menu) {
    return reinterpret_cast<MenuId>(menu);
}

// Menu item texts are read through a buffer of this size.
constexpr int kMenuTextBuffer = 128;

}  // namespace

MenuId Win32Windows::MenuBarOf(WindowId window) {
    return window == 0 ? 0 : ToMenuId(GetMenu(ToHwnd(window)));
}

int Win32Windows::MenuItemCount(MenuId menu) {
    return GetMenuItemCount(ToHmenu(menu));
}

std::string Win32Windows::MenuItemText(MenuId menu, int position) {
    char text[kMenuTextBuffer] = {};
    const int length = GetMenuStringA(ToHmenu(menu), static_cast<UINT>(position), text,
                                      kMenuTextBuffer, MF_BYPOSITION);
    return std::string(text, length > 0 ? length : 0);
}

MenuId Win32Windows::SubMenuAt(MenuId menu, int position) {
    return ToMenuId(GetSubMenu(ToHmenu(menu), position));
}

unsigned Win32Windows::MenuItemIdAt(MenuId menu, int position) {
    return GetMenuItemID(ToHmenu(menu), position);
}

ScreenRect Win32Windows::Screen() {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

ScreenRect Win32Windows::Bounds(WindowId window) {
    RECT r{};
    if (window == 0 || !GetWindowRect(ToHwnd(window), &r)) {
        return {};
    }
    return {r.left, r.top, r.right, r.bottom};
}

void Win32Windows::MoveTo(WindowId window, int left, int top) {
    SetWindowPos(ToHwnd(window), nullptr, left, top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

WindowId Win32Windows::FindTopLevelByClass(const std::string& className) {
    return ToWindowId(FindWindowExA(nullptr, nullptr, className.c_str(), nullptr));
}

void Win32Windows::SetForeground(WindowId window) {
    SetForegroundWindow(ToHwnd(window));
}

void Win32Windows::BringToTop(WindowId window) {
    BringWindowToTop(ToHwnd(window));
}

std::uint32_t Win32Windows::StyleOf(WindowId window) {
    return window == 0 ? 0 : static_cast<std::uint32_t>(GetWindowLongA(ToHwnd(window), GWL_STYLE));
}

bool Win32Windows::IsUnicode(WindowId window) {
    return window != 0 && IsWindowUnicode(ToHwnd(window)) != 0;
}

int Win32Windows::TextLength(WindowId window) {
    return window == 0 ? 0 : static_cast<int>(SendMessageA(ToHwnd(window), WM_GETTEXTLENGTH, 0, 0));
}

namespace {

// The number of characters that WM_GETTEXT says it copied into a buffer of that many,
// which holds its terminating zero as well: never more than fit, never negative.
std::size_t CharactersReceived(LRESULT answer, std::size_t bufferChars) {
    return std::min(static_cast<std::size_t>(std::max<LRESULT>(answer, 0)), bufferChars - 1);
}

// The text in the system's code page; `exact` false when a character had to be replaced.
// A UTF-8 code page holds every character, and the system refuses to report replacements
// for it.
CodePageText ToCodePage(const std::wstring& wide) {
    if (wide.empty()) {
        return {};
    }
    const UINT codePage = GetACP();
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL replaced = FALSE;
    BOOL* report = codePage == CP_UTF8 ? nullptr : &replaced;
    const int wideLength = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(codePage, flags, wide.data(), wideLength, nullptr, 0, nullptr, report);
    std::string text(static_cast<std::size_t>(std::max(length, 0)), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), wideLength, text.data(), length, nullptr,
                        report);
    return {text, replaced == FALSE};
}

}  // namespace

std::string Win32Windows::TextByMessage(WindowId window, int bufferChars) {
    if (window == 0) {
        return {};
    }
    std::string buffer(static_cast<std::size_t>(std::max(bufferChars, 1)), '\0');
    const LRESULT answer = SendMessageA(ToHwnd(window), WM_GETTEXT, buffer.size(),
                                        reinterpret_cast<LPARAM>(buffer.data()));
    buffer.resize(CharactersReceived(answer, buffer.size()));
    return buffer;
}

CodePageText Win32Windows::UnicodeTextByMessage(WindowId window) {
    if (window == 0) {
        return {};
    }
    const HWND w = ToHwnd(window);
    const LRESULT length = std::max<LRESULT>(SendMessageW(w, WM_GETTEXTLENGTH, 0, 0), 0);
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT answer =
        SendMessageW(w, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(wide.data()));
    wide.resize(CharactersReceived(answer, wide.size()));
    return ToCodePage(wide);
}

void Win32Windows::SetTextByMessage(WindowId window, const std::string& text) {
    SendMessageA(ToHwnd(window), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Win32Windows::SendCommand(WindowId window, unsigned identifier) {
    const WaitSpan span("command");
    SendMessageA(ToHwnd(window), WM_COMMAND, identifier, 0);
}
