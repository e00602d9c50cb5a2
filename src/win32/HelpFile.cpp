#include "win32/HelpFile.h"

#include <htmlhelp.h>

#include <string>

#include "support/AppInfo.h"
#include "support/ProgramPaths.h"

namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

// Loaded at run time, so that the program starts where the viewer is missing, and loaded
// once: the viewer's windows run on a thread of the library's own, which must outlive the
// call that opened them.
HtmlHelpFunction HtmlHelpViewer() {
    static const HtmlHelpFunction viewer = [] {
        const HMODULE library = LoadLibraryA("hhctrl.ocx");
        return library ? reinterpret_cast<HtmlHelpFunction>(
                             reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpA")))
                       : nullptr;
    }();
    return viewer;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Why the topic could not be shown; empty once it is shown.
std::string ShowOrExplain(HWND window, const std::string& helpFile, int helpContext) {
    if (!FileExists(helpFile)) {
        return "The help file \"" + helpFile +
               "\" is missing. Install Tervane 5 again to get its help back.";
    }
    if (!HtmlHelpViewer()) {
        return "Help cannot be shown: this computer has no HTML Help viewer (hhctrl.ocx).";
    }
    if (!ShowHelpTopic(window, helpFile, helpContext)) {
        return "The help file \"" + helpFile + "\" has no topic " + std::to_string(helpContext) +
               ". Install Tervane 5 again to get the help that belongs to this version.";
    }
    return "";
}

}  // namespace

HWND ShowHelpTopic(HWND window, const std::string& helpFile, int helpContext) {
    const HtmlHelpFunction viewer = HtmlHelpViewer();
    return viewer ? viewer(window, helpFile.c_str(), HH_HELP_CONTEXT,
                           static_cast<DWORD_PTR>(helpContext))
                  : nullptr;
}

void OpenHelpTopic(HWND window, int helpContext) {
    const std::string problem = ShowOrExplain(window, Paths().dir + kHelpFileName, helpContext);
    if (!problem.empty()) {
        MessageBoxA(window, problem.c_str(), kAppTitle, MB_OK | MB_ICONEXCLAMATION);
    }
}
