#include "win32/Win32Platform.h"

#include "platform/Platform.h"
#include "win32/Win32Application.h"
#include "win32/Win32Clipboard.h"
#include "win32/Win32Clock.h"
#include "win32/Win32Dialogs.h"
#include "win32/Win32Files.h"
#include "win32/Win32MailerWindows.h"
#include "win32/Win32Processes.h"
#include "win32/Win32Profiles.h"
#include "win32/Win32System.h"
#include "win32/Win32TipWindow.h"
#include "win32/Win32UserInterface.h"
#include "win32/Win32VersionInfo.h"
#include "win32/Win32Windows.h"

void InstallWin32Platform() {
    static Win32Files files;
    static Win32Clock clock;
    static Win32Dialogs dialogs;
    static Win32Application application;
    static Win32System system;
    static Win32Windows windows;
    static Win32Clipboard clipboard;
    static Win32Processes processes;
    static Win32UserInterface ui;
    static Win32VersionInfo versionInfo;
    static Win32Profiles profiles;
    static Win32MailerWindows mailerWindows;
    static Win32TipWindow tipWindow;
    Os() = Platform{&files,    &clock,         &dialogs,   &application, &system,
                    &windows,  &clipboard,     &processes, &ui,          &versionInfo,
                    &profiles, &mailerWindows, &tipWindow};
}
