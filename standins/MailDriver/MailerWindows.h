#pragma once
// Finding a mailer's windows among all open windows, and the controls inside them.

#include <windows.h>

#include <optional>

#include "MailerLayout.h"

namespace maildriver {

struct FoundWindow {
    HWND window = nullptr;
    const WindowKind* kind = nullptr;
};

// The front-most visible top-level window, in Z order, that one of the layout's window
// kinds recognises (caption contains its text, letter case respected;
// class as given, letter case ignored); with writableOnly, only
// kinds that take a body count. Of two kinds that recognise one window, the first listed wins.
std::optional<FoundWindow> FrontMailerWindow(const MailerLayout& layout, bool writableOnly);

// The control inside window that locator names, or null.
HWND FindControl(HWND window, const ControlLocator& locator);

}  // namespace maildriver
