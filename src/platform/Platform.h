#pragma once
// The operating-system services that portable code uses. The program installs the Win32
// implementations at start-up; tests install fakes.

class IApplication;
class IClipboard;
class IClock;
class IDialogs;
class IFiles;
class IMailerWindows;
class IProcesses;
class IProfiles;
class ISystem;
class ITipWindow;
class IUserInterface;
class IVersionInfo;
class IWindows;

struct Platform {
    IFiles* files = nullptr;
    IClock* clock = nullptr;
    IDialogs* dialogs = nullptr;
    IApplication* application = nullptr;
    ISystem* system = nullptr;
    IWindows* windows = nullptr;
    IClipboard* clipboard = nullptr;
    IProcesses* processes = nullptr;
    IUserInterface* ui = nullptr;
    IVersionInfo* versionInfo = nullptr;
    IProfiles* profiles = nullptr;
    IMailerWindows* mailerWindows = nullptr;
    ITipWindow* tipWindow = nullptr;
};

// The services in use.
Platform& Os();
