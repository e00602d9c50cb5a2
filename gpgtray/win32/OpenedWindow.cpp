#include "OpenedWindow.h"

#include "Captions.h"
#include "MessageBoxes.h"
#include "SystemCodePage.h"
#include "resource.h"

namespace gpgtray {

namespace {

constexpr int kMargin = 11;  // pixels

RECT PlaceOf(HWND control, HWND dialog) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace

void OpenedWindow::Show(const std::string& text, const std::string& signatureWords) {
    if (!dialog_ && !CreateModeless(IDD_OPENED, true)) {
        ShowFailure("The window for the decrypted text could not be opened.");
        return;
    }
    SetDlgItemTextW(dialog_, IDC_SIGNATURE, WideFromUtf8(signatureWords).c_str());
    SetDlgItemTextW(dialog_, IDC_PLAIN_TEXT, WideFromUtf8(text).c_str());
    ShowWindow(dialog_, SW_SHOWNORMAL);
    SetForegroundWindow(dialog_);
}

INT_PTR OpenedWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            OnInit();
            return TRUE;
        case WM_SIZE:
            Layout(LOWORD(lParam), HIWORD(lParam));
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL) {
                DestroyWindow(dialog_);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

void OpenedWindow::OnInit() {
    SetWindowTextA(dialog_, kOpenedCaption);
    // The default limit of an edit control would cut a long message.
    SendDlgItemMessageW(dialog_, IDC_PLAIN_TEXT, EM_SETLIMITTEXT, 0, 0);
}

// The text takes what the window gains; the words stay on top, the button at the bottom.
void OpenedWindow::Layout(int width, int height) {
    const HWND words = GetDlgItem(dialog_, IDC_SIGNATURE);
    const HWND text = GetDlgItem(dialog_, IDC_PLAIN_TEXT);
    const HWND close = GetDlgItem(dialog_, IDCANCEL);
    const RECT wordsAt = PlaceOf(words, dialog_), textAt = PlaceOf(text, dialog_),
               closeAt = PlaceOf(close, dialog_);
    const int buttonWidth = closeAt.right - closeAt.left,
              buttonHeight = closeAt.bottom - closeAt.top;
    const int buttonTop = height - kMargin - buttonHeight;
    MoveWindow(words, wordsAt.left, wordsAt.top, width - 2 * wordsAt.left,
               wordsAt.bottom - wordsAt.top, TRUE);
    MoveWindow(text, textAt.left, textAt.top, width - 2 * textAt.left,
               buttonTop - kMargin / 2 - textAt.top, TRUE);
    MoveWindow(close, width - wordsAt.left - buttonWidth, buttonTop, buttonWidth, buttonHeight,
               TRUE);
}

}  // namespace gpgtray
