#pragma once
// The life of the process apart from its windows: the paths formed before the first window,
// the duplicate-start check, and the creation steps of the main window.

#include <string>

// What the creation steps ask of the main window (the properties window) itself.
class IMainWindowSteps {
public:
    virtual ~IMainWindowSteps() = default;

    // Keeps the program off the taskbar: no taskbar button for it while it runs.
    virtual void HideFromTaskbar() = 0;

    // Hides the window.
    virtual void Hide() = 0;

    // Shows or hides the "&PGPTools" button.
    virtual void ShowPGPToolsButton(bool show) = 0;

    // RefreshPropsWindow: shows the model; with an empty Active list, selects the Mailer
    // Choice page and shows the window.
    virtual void Refresh() = 0;

    // Puts the two tray icons into the notification area.
    virtual void ActivateTrayIcons() = 0;
};

// The program's name without ".EXE" (upper case, as the file name is written); empty when
// the name does not hold ".EXE".
std::string InstanceName(const std::string& programFileName);

// The name of the mutex by which copies of the program find each other: the program's file
// name in lower case, since Windows finds the same file under any letter case of its name
// while mutex names respect it.
std::string InstanceMutexName(const std::string& programFileName);

// Forms the program-wide paths from the program's own path (the short form of its folder,
// or the folder itself when it has none) and removes a stale
// "Installer.Flg", so that an old request to end does not end this run.
void PrepareProgramPaths(const std::string& programPath);

// True when this start must end at once because another copy runs; "AllowDuplicateInstance.Flg"
// lets one start through and is removed by it.
bool MustStepAside(bool previousInstanceRunning);

// Wipes the exchange file: at the end of the program a message that a driver left behind (a
// run that the user ended, a driver that hung) does not outlive it.
void WipeExchangeFile();

// The creation steps of the main window in their order. A step that fails is reported
// through the application's exception handler and the next step runs, so that start-up
// always ends with the tray icons active and the properties window reachable.
void FormCreate(IMainWindowSteps& window);
