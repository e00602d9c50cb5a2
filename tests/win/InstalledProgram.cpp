#include "win/InstalledProgram.h"

#include <functional>
#include <stdexcept>

#include "win/BuildTree.h"
#include "win/NotificationArea.h"
#include "win/PGPTrayStandin.h"

namespace {

constexpr const char* kSettingsFile = "Tervane5.INI";

void Copy(const std::string& from, const std::string& name) {
    if (!CopyFileA(from.c_str(), TestDir::File(name).c_str(), FALSE)) {
        throw std::runtime_error("cannot copy " + from);
    }
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) {
            return condition();
        }
        Sleep(50);
    }
    return true;
}

InstalledProgram::InstalledProgram() {
    Copy(Tervane5Exe(), "Tervane5.exe");
    Copy(StandinPath("ORV.EXE"), "ORV.EXE");
    for (const char* driver : {"DemoMfd.EXE", "DemoMail.mfs", "SELECTG.DAT"}) {
        Copy(StandinPath(std::string("drivers\\") + driver), driver);
    }
    PutFile(File("ActiveMailers.dat"),
            "Demo Mail (program driver)" + std::string(200, ' ') + "DemoMfd.EXE\r\n");
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, kSettingsFile);
    WritePrivateProfileStringA("PGP", "Mainexe", PGPTrayStandin::File("PGPTray.Exe").c_str(),
                               kSettingsFile);
    WritePrivateProfileStringA("General", "TipEnabled", "0", kSettingsFile);
}

InstalledProgram::~InstalledProgram() {
    WritePrivateProfileStringA("General", nullptr, nullptr, kSettingsFile);
    WritePrivateProfileStringA("PGP", nullptr, nullptr, kSettingsFile);
}

std::unique_ptr<StandinProgram> InstalledProgram::Start(const std::string& arguments) {
    return std::make_unique<StandinProgram>("\"" + File("Tervane5.exe") + "\" " + arguments);
}

std::vector<HWND> InstalledProgram::WaitForTrayIcons(const StandinProgram& program,
                                                     DWORD timeoutMs) {
    std::vector<HWND> icons;
    WaitUntil(
        [&] {
            icons = program.TopLevelWindows(false, "TTaskIcon");
            return icons.size() == 2 && InTheNotificationArea(icons[0]) &&
                   InTheNotificationArea(icons[1]);
        },
        timeoutMs);
    return icons.size() == 2 ? icons : std::vector<HWND>{};
}

HWND InstalledProgram::IconTitled(const std::vector<HWND>& icons, const std::string& toolTip) {
    for (HWND icon : icons) {
        char title[64] = "";
        GetWindowTextA(icon, title, sizeof title);
        if (toolTip == title) {
            return icon;
        }
    }
    return nullptr;
}

std::vector<HWND> InstalledProgram::VisibleWindows(const StandinProgram& program) {
    return program.TopLevelWindows(true, nullptr);
}

void InstalledProgram::ClickMainIcon(const std::vector<HWND>& icons, HWND mailerWindow) {
    SetForegroundWindow(mailerWindow);
    SetWindowPos(mailerWindow, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    for (HWND icon : icons) {
        PostMessageA(icon, WM_USER, 0, WM_LBUTTONUP);
    }
}

std::string InstalledProgram::DebugLog() {
    try {
        return FileContent(File("DebugLog.Txt"));
    } catch (const std::runtime_error&) {
        return "";  // not written yet, or being written
    }
}
