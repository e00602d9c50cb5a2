#include "win32/DialogTemplate.h"

#include "win32/ThreadWindowsDisabled.h"

DialogTemplate::DialogTemplate(DWORD style, const wchar_t* fontFace, WORD pointSize,
                               DWORD exStyle) {
    PushDword(style | DS_SETFONT);
    PushDword(exStyle);
    words_.push_back(0);                // no controls
    words_.insert(words_.end(), 4, 0);  // x, y, cx, cy
    words_.push_back(0);                // no menu
    words_.push_back(0);                // the standard dialog class
    words_.push_back(0);                // no title
    words_.push_back(pointSize);
    PushString(fontFace);
}

INT_PTR DialogTemplate::ShowModal(HWND owner, DLGPROC procedure, LPARAM param) const {
    const ThreadWindowsDisabled taskModal;
    return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), Get(), owner, procedure, param);
}

void DialogTemplate::PushDword(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
}

void DialogTemplate::PushString(const wchar_t* text) {
    do {
        words_.push_back(static_cast<WORD>(*text));
    } while (*text++ != L'\0');
}
