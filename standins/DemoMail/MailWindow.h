#pragma once
// The demo mailer's two windows: compose (To, Cc, Subject and an editable body) and read
// (From, To, Cc, Subject and a read-only body), each with its "&Edit" menu.

#include <windows.h>

#include "MessageFile.h"

namespace demomail {

enum class MailWindowKind { Compose, Read };

// Creates and shows a window filled from message; null when it cannot be created. Closing
// the window ends the message loop.
HWND OpenMailWindow(MailWindowKind kind, const MailMessage& message, int show);

}  // namespace demomail
