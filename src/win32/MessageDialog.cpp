#include "win32/MessageDialog.h"

#include <algorithm>
#include <utility>

#include "win32/ControlIds.h"
#include "win32/DialogLayout.h"
#include "win32/Fonts.h"

namespace {

struct ButtonKind {
    MsgDlgBtn button;
    int id;
    const char* caption;
};

// Every button in the order in which the buttons stand. No to All and Help share the value
// 9 (mrNoToAll, IDHELP); the dialog tells them apart by their windows.
constexpr ButtonKind kButtonKinds[] = {
    {MsgDlgBtn::Yes, IDYES, "&Yes"},
    {MsgDlgBtn::No, IDNO, "&No"},
    {MsgDlgBtn::OK, IDOK, "OK"},
    {MsgDlgBtn::Cancel, IDCANCEL, "Cancel"},
    {MsgDlgBtn::Abort, IDABORT, "&Abort"},
    {MsgDlgBtn::Retry, IDRETRY, "&Retry"},
    {MsgDlgBtn::Ignore, IDIGNORE, "&Ignore"},
    {MsgDlgBtn::All, mrAll, "&All"},
    {MsgDlgBtn::NoToAll, mrNoToAll, "N&o to All"},
    {MsgDlgBtn::YesToAll, mrYesToAll, "Y&es to All"},
    {MsgDlgBtn::Help, IDHELP, "&Help"},
};

std::vector<ButtonKind> ButtonsOf(MsgDlgButtons set) {
    std::vector<ButtonKind> shown;
    std::copy_if(std::begin(kButtonKinds), std::end(kButtonKinds), std::back_inserter(shown),
                 [set](const ButtonKind& b) { return set.Has(b.button); });
    return shown;
}

// The dialog's children in the order of the template: the icon (when there is one), the
// text, then the buttons from left to right.
std::vector<HWND> ChildrenOf(HWND dialog) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

// A device context of the window with the window's font selected.
class FontDc {
public:
    explicit FontDc(HWND window) : dc_(window), font_(dc_.Get(), FontOf(window)) {}

    // The size of the text wrapped at maxWidth, as a left-aligned static control draws it.
    SIZE Extent(const std::string& text, int maxWidth, UINT format) const {
        RECT r{0, 0, maxWidth, 0};
        DrawTextA(dc_.Get(), text.c_str(), static_cast<int>(text.size()), &r, format | DT_CALCRECT);
        return {r.right, r.bottom};
    }

private:
    WindowDc dc_;
    SelectedObject font_;
};

SIZE DialogUnits(HWND dialog, int x, int y) {
    RECT r{0, 0, x, y};
    MapDialogRect(dialog, &r);
    return {r.right, r.bottom};
}

void Place(HWND control, int left, int top, SIZE size) {
    PlaceControl(control, left, top, size.cx, size.cy);
}

}  // namespace

MessageDialog::MessageDialog(Content content, HelpOpener openHelp)
    : ModalDialog("MessageDialog", std::move(openHelp)), content_(std::move(content)) {}

// The controls' places depend on the texts in the dialog's font: the layout sets them.
int MessageDialog::ShowModal(HWND owner) {
    std::vector<ControlDef> controls;
    if (content_.icon) {
        controls.push_back({kImgMessageIcon, "STATIC", "", SS_ICON, 0, 0, 0, 0, 0, 0, 0, nullptr});
    }
    controls.push_back({kLblMessageText, "STATIC", content_.text.c_str(), SS_LEFT | SS_NOPREFIX, 0,
                        0, 0, 0, 0, 0, 0, nullptr});
    buttons_.clear();
    for (const ButtonKind& b : ButtonsOf(content_.buttons)) {
        // The first button is the default one.
        const DWORD style = WS_TABSTOP | (buttons_.empty() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        controls.push_back({b.id, "BUTTON", b.caption, style, 0, 0, 0, 0, 0, 0, 0, nullptr});
        buttons_.push_back(b.id);
    }
    constexpr DialogFrame kFrame{DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 0};
    const INT_PTR answer = Run(owner, kFrame, content_.caption, controls);
    // A dialog that could not be shown counts as dismissed.
    return answer > 0 ? static_cast<int>(answer) : EscapeAnswer();
}

void MessageDialog::OnInit() {
    const std::vector<HWND> children = ChildrenOf(Handle());
    buttonWindows_.assign(children.end() - static_cast<std::ptrdiff_t>(buttons_.size()),
                          children.end());
    if (content_.icon) {
        SendMessageA(Item(kImgMessageIcon), STM_SETICON,
                     reinterpret_cast<WPARAM>(LoadIconA(nullptr, content_.icon)), 0);
    }
    Layout();
    if (!EscapeAnswer()) {
        // Nothing to answer a close with: the close box is off.
        EnableMenuItem(GetSystemMenu(Handle(), FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    }
    if (!buttonWindows_.empty()) {
        SendMessageA(Handle(), DM_SETDEFID, static_cast<WPARAM>(buttons_.front()), 0);
        SetFocus(buttonWindows_.front());
    }
}

// Icon and text side by side, the buttons in a centred row below them; the text wraps at
// half the screen's width.
void MessageDialog::Layout() {
    const SIZE margin = DialogUnits(Handle(), 8, 8);
    const SIZE gap = DialogUnits(Handle(), 4, 4);
    const SIZE icon =
        content_.icon ? SIZE{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)} : SIZE{0, 0};
    const FontDc dc(Handle());
    const SIZE text = dc.Extent(content_.text, GetSystemMetrics(SM_CXSCREEN) / 2,
                                DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    SIZE button = DialogUnits(Handle(), 50, 14);
    for (const ButtonKind& b : ButtonsOf(content_.buttons)) {
        button.cx = std::max(button.cx, dc.Extent(b.caption, 0, DT_SINGLELINE).cx + 2 * margin.cx);
    }
    const int count = static_cast<int>(buttons_.size());
    const int rowWidth = count * button.cx + std::max(count - 1, 0) * gap.cx;
    const int textLeft = margin.cx + (icon.cx ? icon.cx + margin.cx : 0);
    const int contentHeight = std::max(text.cy, icon.cy);
    const int clientWidth = std::max(textLeft + text.cx + margin.cx, rowWidth + 2 * margin.cx);
    const int rowTop = margin.cy + contentHeight + margin.cy;

    if (content_.icon) {
        Place(Item(kImgMessageIcon), margin.cx, margin.cy, icon);
    }
    Place(Item(kLblMessageText), textLeft, margin.cy + (contentHeight - text.cy) / 2, text);
    int left = (clientWidth - rowWidth) / 2;
    for (HWND b : buttonWindows_) {
        Place(b, left, rowTop, button);
        left += button.cx + gap.cx;
    }
    SetClientSize(Handle(), clientWidth, rowTop + button.cy + margin.cy);
    CentreIn(Handle(), WorkArea());
}

void MessageDialog::OnCommand(int id, int /*notification*/, HWND control) {
    if (content_.buttons.Has(MsgDlgBtn::Help) && control == buttonWindows_.back()) {
        OpenHelp(content_.helpContext);
        return;
    }
    if (std::find(buttons_.begin(), buttons_.end(), id) != buttons_.end()) {
        End(id);
    }
}

void MessageDialog::OnClose() {
    if (EscapeAnswer() != 0) {
        End(EscapeAnswer());
    }
}

int MessageDialog::EscapeAnswer() const {
    // In this order of preference.
    static constexpr std::pair<MsgDlgBtn, int> kAnswers[] = {
        {MsgDlgBtn::Cancel, IDCANCEL}, {MsgDlgBtn::No, IDNO}, {MsgDlgBtn::OK, IDOK}};
    for (const auto& [button, id] : kAnswers) {
        if (content_.buttons.Has(button)) {
            return id;
        }
    }
    return 0;
}
