#include "win32/ControlDef.h"

#include "win32/Hints.h"

HWND CreateControl(HWND parent, const ControlDef& row, HFONT font, POINT offset, bool visible,
                   int defaultHelp) {
    const HWND control = CreateWindowExA(
        row.exStyle, row.className, row.text, WS_CHILD | (visible ? WS_VISIBLE : 0) | row.style,
        row.left + offset.x, row.top + offset.y, row.width, row.height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowContextHelpId(
        control, static_cast<DWORD>(row.helpContext != 0 ? row.helpContext : defaultHelp));
    return control;
}

void AddHints(HWND parent, std::span<const ControlDef> rows) {
    HWND hints = nullptr;
    for (const ControlDef& row : rows) {
        if (row.hint) {
            hints = hints ? hints : CreateHints(parent);
            AddHint(hints, parent, GetDlgItem(parent, row.id), row.hint);
        }
    }
}
