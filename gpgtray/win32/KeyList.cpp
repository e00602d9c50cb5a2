#include "KeyList.h"

#include "gpgtray/core/KeyRules.h"

namespace gpgtray {

void ResetKeyList(HWND list) {
    // In dialog units from the list's left edge, where the templates put the headings.
    INT stops[] = {102, 194, 266, 312, 356};
    SendMessageA(list, LB_SETTABSTOPS, sizeof stops / sizeof stops[0],
                 reinterpret_cast<LPARAM>(stops));
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
}

int AddKeyRow(HWND list, const Key& key, const ICodePage& codePage, const std::string& extra) {
    const std::string row = codePage.FromUtf8(KeyRow(key) + (extra.empty() ? "" : "\t" + extra));
    return static_cast<int>(
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str())));
}

std::string ControlText(HWND dialog, int id) {
    const HWND control = GetDlgItem(dialog, id);
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace gpgtray
