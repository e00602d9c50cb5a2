#include "win32/ScriptInfo.h"

#include <utility>

#include "support/placefrm.h"
#include "win32/ControlIds.h"
#include "win32/Fonts.h"
#include "win32/WindowHandle.h"

namespace {

constexpr const char* kClassName = "TfrmShowScriptInfo";
constexpr double kPlaceFraction = 0.33;

// A single border and a caption without the system menu: no title-bar buttons.
constexpr DialogFrame kFrame{WS_POPUP | WS_CAPTION, 0, 618, 297, 0};

// Without ES_WANTRETURN, Enter in the memo presses Close as it does elsewhere.
constexpr ControlDef kControls[] = {
    {kTxtText1, "EDIT", "",
     ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL | WS_BORDER |
         WS_TABSTOP,
     0, 0, 8, 8, 601, 257, 0, nullptr},
    {kImgScriptInfoIcon, "STATIC", "", SS_ICON, 0, 0, 8, 264, 32, 32, 0, nullptr},
    {kBtnCommand1, "BUTTON", "Close", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 0, 560, 272, 49, 21, 0,
     nullptr},
};

}  // namespace

TfrmShowScriptInfo::TfrmShowScriptInfo(std::string caption, std::string text)
    : ModalDialog(kClassName, OpenHelpTopic),
      caption_(std::move(caption)),
      text_(std::move(text)),
      memoFont_(MakeFont("MS Sans Serif", 10)) {}

void TfrmShowScriptInfo::ShowModal(HWND owner) {
    Run(owner, kFrame, caption_, kControls);
}

void TfrmShowScriptInfo::OnInit() {
    const HWND memo = Item(kTxtText1);
    SendMessageA(memo, WM_SETFONT, reinterpret_cast<WPARAM>(memoFont_.Get()), FALSE);
    SetWindowTextA(memo, text_.c_str());
    SendMessageA(Item(kImgScriptInfoIcon), STM_SETICON,
                 reinterpret_cast<WPARAM>(LoadIconA(nullptr, IDI_INFORMATION)), 0);
    PlaceForm(ToWindowId(Handle()), kPlaceFraction, kPlaceFraction);
    SendMessageA(Handle(), DM_SETDEFID, kBtnCommand1, 0);
    // On Close rather than in the memo, where the dialog manager would select all the text.
    SetFocus(Item(kBtnCommand1));
}

// Close and Enter (Close is the default button) end it; Escape too, through OnClose.
void TfrmShowScriptInfo::OnCommand(int id, int /*notification*/, HWND /*control*/) {
    if (id == kBtnCommand1) {
        End(IDCANCEL);
    }
}
