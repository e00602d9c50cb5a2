#include "MailWindow.h"

#include <vector>

#include "DemoMailIds.h"
#include "EditMenu.h"

namespace demomail {

namespace {

struct Field {
    const char* label;
    int id;
    std::string MailMessage::*value;
};

struct WindowSetup {
    MailWindowKind kind;
    const MailMessage* message;
};

constexpr int kMargin = 8;
constexpr int kLabelWidth = 60;
constexpr int kRowHeight = 24;
constexpr int kLineHeight = 20;
// A field's label has the field's id plus this.
constexpr int kLabelIdOffset = 100;

std::vector<Field> HeaderFields(MailWindowKind kind) {
    std::vector<Field> fields;
    if (kind == MailWindowKind::Read) {
        fields.push_back({"From:", kFromId, &MailMessage::from});
    }
    fields.push_back({"To:", kToId, &MailMessage::to});
    fields.push_back({"Cc:", kCcId, &MailMessage::cc});
    fields.push_back({"Subject:", kSubjectId, &MailMessage::subject});
    return fields;
}

void AddControl(HWND window, DWORD exStyle, const char* className, const char* text, DWORD style,
                int id) {
    HWND control = CreateWindowExA(
        exStyle, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
}

// Labels and fields in rows, the body below them; their places are set by Arrange.
void CreateFields(HWND window, const WindowSetup& setup) {
    const DWORD readOnly = setup.kind == MailWindowKind::Read ? ES_READONLY : 0;
    for (const Field& field : HeaderFields(setup.kind)) {
        AddControl(window, 0, "STATIC", field.label, 0, field.id + kLabelIdOffset);
        AddControl(window, WS_EX_CLIENTEDGE, "EDIT", (setup.message->*field.value).c_str(),
                   WS_TABSTOP | ES_AUTOHSCROLL | readOnly, field.id);
    }
    AddControl(window, WS_EX_CLIENTEDGE, "EDIT", setup.message->body.c_str(),
               WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | readOnly,
               kBodyId);
}

// Places the header rows at the top and gives the body the rest of the client area.
void Arrange(HWND window, MailWindowKind kind, int width, int height) {
    int top = kMargin;
    for (const Field& field : HeaderFields(kind)) {
        MoveWindow(GetDlgItem(window, field.id + kLabelIdOffset), kMargin, top + 3, kLabelWidth,
                   kLineHeight, TRUE);
        MoveWindow(GetDlgItem(window, field.id), kMargin + kLabelWidth, top,
                   width - 2 * kMargin - kLabelWidth, kLineHeight, TRUE);
        top += kRowHeight;
    }
    MoveWindow(GetDlgItem(window, kBodyId), kMargin, top, width - 2 * kMargin,
               height - top - kMargin, TRUE);
}

MailWindowKind KindOf(HWND window) {
    return GetDlgItem(window, kFromId) ? MailWindowKind::Read : MailWindowKind::Compose;
}

// The Edit menu works on the field that last had the focus, kept in the window's user
// data: a command sent by another program arrives while this window may not be active.
LRESULT OnCommand(HWND window, WPARAM wParam) {
    if (HIWORD(wParam) == EN_SETFOCUS) {
        SetWindowLongPtrA(window, GWLP_USERDATA, LOWORD(wParam));
        return 0;
    }
    const int focused = static_cast<int>(GetWindowLongPtrA(window, GWLP_USERDATA));
    RunEditCommand(GetDlgItem(window, focused), LOWORD(wParam));
    return 0;
}

LRESULT CALLBACK MailWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            CreateFields(window, *static_cast<const WindowSetup*>(
                                     reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
            SetWindowLongPtrA(window, GWLP_USERDATA, kBodyId);
            return 0;
        case WM_SIZE:
            Arrange(window, KindOf(window), LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_COMMAND:
            return OnCommand(window, wParam);
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

const char* RegisteredClass(MailWindowKind kind) {
    const char* name = kind == MailWindowKind::Read ? kReadClass : kComposeClass;
    WNDCLASSA wc{};
    wc.lpfnWndProc = MailWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = name;
    return RegisterClassA(&wc) ? name : nullptr;
}

}  // namespace

HWND OpenMailWindow(MailWindowKind kind, const MailMessage& message, int show) {
    const char* className = RegisteredClass(kind);
    if (!className) {
        return nullptr;
    }
    WindowSetup setup{kind, &message};
    HWND window =
        CreateWindowExA(0, className, kind == MailWindowKind::Read ? kReadCaption : kComposeCaption,
                        WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 560, 420, nullptr,
                        CreateEditMenuBar(), GetModuleHandleA(nullptr), &setup);
    if (window) {
        ShowWindow(window, show);
        UpdateWindow(window);
    }
    return window;
}

}  // namespace demomail
