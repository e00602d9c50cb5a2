#include "ControlText.h"

namespace maildriver {

namespace {

// A mailer that hangs must not hang its driver, and with it the program that waits for it.
constexpr UINT kAnswerTimeoutMs = 5000;

std::optional<LRESULT> Ask(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(control, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                             &answer)) {
        return std::nullopt;
    }
    return static_cast<LRESULT>(answer);
}

}  // namespace

std::optional<std::string> GetControlText(HWND control) {
    const auto length = Ask(control, WM_GETTEXTLENGTH, 0, 0);
    if (!length) {
        return std::nullopt;
    }
    std::string text(static_cast<std::size_t>(*length) + 1, '\0');
    const auto copied =
        Ask(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    if (!copied) {
        return std::nullopt;
    }
    text.resize(static_cast<std::size_t>(*copied));
    return text;
}

bool SetControlText(HWND control, const std::string& text) {
    const auto done = Ask(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    return done && *done != FALSE;
}

}  // namespace maildriver
