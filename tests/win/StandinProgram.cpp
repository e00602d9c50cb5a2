#include "win/StandinProgram.h"

#include <stdexcept>
#include <vector>

namespace {

constexpr DWORD kPollMs = 20;

struct WindowQuery {
    DWORD processId;
    bool visibleOnly;
    const char* className;  // null: any
    std::vector<HWND> found;
};

BOOL CALLBACK VisitTopLevelWindow(HWND window, LPARAM lParam) {
    auto& query = *reinterpret_cast<WindowQuery*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char className[256] = "";
    GetClassNameA(window, className, sizeof className);
    if (processId == query.processId && (!query.visibleOnly || IsWindowVisible(window)) &&
        (query.className == nullptr || std::string(className) == query.className)) {
        query.found.push_back(window);
    }
    return TRUE;
}

}  // namespace

std::string StandinPath(const std::string& relative) {
    // The tests run from <build>\tests, the stand-ins live in <build>\standins.
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string path = self;
    path.erase(path.find_last_of('\\'));
    path.erase(path.find_last_of('\\') + 1);
    return path + "standins\\" + relative;
}

StandinProgram::StandinProgram(const std::string& commandLine, WORD show) {
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = show;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
        throw std::runtime_error("cannot start " + commandLine);
    }
    CloseHandle(process_.hThread);
}

StandinProgram::~StandinProgram() {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 10000);
    }
    CloseHandle(process_.hProcess);
}

std::optional<DWORD> StandinProgram::WaitForExit(DWORD timeoutMs) {
    DWORD code = 0;
    if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process_.hProcess, &code)) {
        return std::nullopt;
    }
    return code;
}

std::vector<HWND> StandinProgram::TopLevelWindows(bool visibleOnly, const char* className) const {
    WindowQuery query{process_.dwProcessId, visibleOnly, className, {}};
    EnumWindows(VisitTopLevelWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

HWND StandinProgram::WaitForWindow(const char* className, DWORD timeoutMs) const {
    const DWORD start = GetTickCount();
    do {
        const std::vector<HWND> found = TopLevelWindows(true, className);
        if (!found.empty()) {
            return found.front();
        }
        Sleep(kPollMs);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

DWORD RunToEnd(const std::string& commandLine) {
    StandinProgram program(commandLine);
    const auto code = program.WaitForExit();
    if (!code) {
        throw std::runtime_error(commandLine + " did not end in time");
    }
    return *code;
}
