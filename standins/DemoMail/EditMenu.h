#pragma once
// The "&Edit" menu of the demo mailer's windows and its Ctrl+A shortcut.

#include <windows.h>

namespace demomail {

// A menu bar with the one pop-up "&Edit": "Select &All\tCtrl+A" and "&Copy".
HMENU CreateEditMenuBar();

// Ctrl+A as the Select All command; the caller destroys the table.
HACCEL CreateEditAccelerators();

// Carries out an Edit menu command on an edit control; false for other commands.
bool RunEditCommand(HWND field, int command);

}  // namespace demomail
