#pragma once
// The operating-system services that portable code uses. The program installs the Win32
// implementations at start-up; tests install fakes.

class IApplication;
class IClock;
class IDialogs;
class IFiles;
class ISystem;
class IWindows;

struct Platform {
    IFiles* files = nullptr;
    IClock* clock = nullptr;
    IDialogs* dialogs = nullptr;
    IApplication* application = nullptr;
    ISystem* system = nullptr;
    IWindows* windows = nullptr;
};

// The services in use.
Platform& Os();
