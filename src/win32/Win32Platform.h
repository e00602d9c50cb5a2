#pragma once
// The Win32 implementations of the operating-system services.

// Makes Os() use the Win32 services; they live as long as the program.
void InstallWin32Platform();
