#pragma once
// The Win32 implementations of the operating-system services, one object that the program
// (and each Windows test) creates and hands to its state.

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

struct Win32Platform {
    // The services as the portable code reaches them; they live as long as this object.
    Platform Services();

    Win32Files files;
    Win32Clock clock;
    Win32Dialogs dialogs;
    Win32Application application;
    Win32System system;
    Win32Windows windows;
    Win32Clipboard clipboard;
    Win32Processes processes;
    Win32UserInterface ui;
    Win32VersionInfo versionInfo;
    Win32Profiles profiles;
    Win32MailerWindows mailerWindows;
    Win32TipWindow tipWindow;
};
