#pragma once
// Carrying out one command of the tray program.

#include <windows.h>

// Runs the command with that identifier to its end, from the hidden window's WM_COMMAND,
// so that the sender's SendMessageA returns only when the work is done.
void RunCommand(HWND trayWindow, unsigned id);
