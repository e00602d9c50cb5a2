#pragma once
// The texts of the properties window's controls.

#include <windows.h>

#include <string>

inline std::string WindowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Sets the text only when it differs, so that the control keeps its caret and its scroll
// place while the window shows the model again.
inline void ShowText(HWND control, const std::string& text) {
    if (WindowText(control) != text) {
        SetWindowTextA(control, text.c_str());
    }
}
