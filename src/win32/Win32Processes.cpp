#include "win32/Win32Processes.h"

#include <windows.h>

#include <vector>

#include "win32/UniqueHandle.h"
#include "win32/WaitSpan.h"

unsigned Win32Processes::WinExec(const std::string& commandLine, int showState) {
    return ::WinExec(commandLine.c_str(), static_cast<UINT>(showState));
}

ProcessRun Win32Processes::RunAndWait(const std::string& commandLine, int showState,
                                      std::uint32_t creationFlags) {
    const WaitSpan span("process");
    // CreateProcessA may write into the command line, so it gets a copy of its own.
    std::vector<char> command(commandLine.begin(), commandLine.end());
    command.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showState);
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE,
                        creationFlags | CREATE_NEW_CONSOLE, nullptr, nullptr, &startup, &started)) {
        return {false, 0, GetLastError()};
    }
    const UniqueHandle process(started.hProcess);
    const UniqueHandle thread(started.hThread);
    WaitForSingleObject(process.Get(), INFINITE);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.Get(), &exitCode);
    return {true, exitCode, 0};
}
