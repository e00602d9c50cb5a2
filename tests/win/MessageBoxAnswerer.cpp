#include "win/MessageBoxAnswerer.h"

#include <algorithm>

#include "win/ModalDriver.h"

namespace {

std::vector<HWND> ChildrenOfClass(HWND box, const char* wanted) {
    struct Search {
        const char* wanted;
        std::vector<HWND> found;
    } search{wanted, {}};
    EnumChildWindows(
        box,
        [](HWND child, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            char className[32] = "";
            GetClassNameA(child, className, sizeof className);
            if (lstrcmpiA(className, s->wanted) == 0) {
                s->found.push_back(child);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string TextOf(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::vector<SeenButton> ButtonsLeftToRight(HWND box) {
    std::vector<std::pair<LONG, SeenButton>> placed;
    for (HWND button : ChildrenOfClass(box, "Button")) {
        RECT r{};
        GetWindowRect(button, &r);
        const bool isDefault =
            (GetWindowLongPtrA(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
        placed.push_back({r.left, {GetDlgCtrlID(button), TextOf(button), isDefault, r}});
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<SeenButton> buttons;
    for (const auto& p : placed) {
        buttons.push_back(p.second);
    }
    return buttons;
}

SeenMessageBox Read(HWND box) {
    SeenMessageBox seen;
    seen.caption = TextOf(box);
    seen.owner = GetWindow(box, GW_OWNER);
    for (HWND control : ChildrenOfClass(box, "Static")) {
        if ((GetWindowLongPtrA(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            seen.icon = reinterpret_cast<HICON>(SendMessageA(control, STM_GETICON, 0, 0));
        } else {
            seen.text += TextOf(control);
            GetWindowRect(control, &seen.textRect);
        }
    }
    seen.buttons = ButtonsLeftToRight(box);
    return seen;
}

// Clicks the button and returns once the box has handled the click.
void Press(HWND button) {
    SendMessageA(button, BM_CLICK, 0, 0);
}

}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer() : MessageBoxAnswerer(std::vector<int>{IDOK}) {}

MessageBoxAnswerer::MessageBoxAnswerer(std::vector<int> presses)
    : thread_([this, presses = std::move(presses)] { Answer(presses); }) {}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

std::optional<SeenMessageBox> MessageBoxAnswerer::Seen() {
    if (thread_.joinable()) {
        thread_.join();
    }
    return seen_;
}

void MessageBoxAnswerer::Answer(const std::vector<int>& presses) {
    const ULONGLONG deadline = GetTickCount64() + 20000;
    HWND box = nullptr;
    while (!(box = FindShownDialog(nullptr)) && GetTickCount64() < deadline) {
        Sleep(20);
    }
    if (!box) {
        return;
    }
    SeenMessageBox seen = Read(box);
    for (int id : presses) {
        if (id == kEscape) {
            SendMessageA(box, WM_COMMAND, IDCANCEL, 0);
        } else if (const HWND button = GetDlgItem(box, id)) {
            Press(button);
        } else {
            seen.missingButton = true;
            Press(GetDlgItem(box, seen.buttons.front().id));
            break;
        }
        seen.shownAfterPress.push_back(IsWindow(box) && IsWindowVisible(box));
    }
    seen_ = seen;
}
