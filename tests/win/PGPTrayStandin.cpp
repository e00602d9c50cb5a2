#include "win/PGPTrayStandin.h"

#include <chrono>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "win/StandinProgram.h"
#include "win/TestDir.h"

namespace {

// Polls until found returns non-null or the time is up.
template <typename Found>
auto WaitFor(DWORD timeoutMs, Found found) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    auto result = found();
    while (!result && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        result = found();
    }
    return result;
}

}  // namespace

PGPTrayStandin::PGPTrayStandin() {
    CreateDirectoryA(kDirectory, nullptr);
    EmptyDirectory();
    const std::string built = StandinPath("PGP\\PGPTray.Exe");
    const std::string program = File("PGPTray.Exe");
    if (!CopyFileA(built.c_str(), program.c_str(), FALSE)) {
        throw std::runtime_error("cannot copy " + built);
    }
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        kDirectory, &startup, &process_)) {
        throw std::runtime_error("cannot start " + program);
    }
    window_ = WaitForWindow("PGPtray_Hidden_Window", nullptr);
    if (!window_) {
        throw std::runtime_error("the stand-in showed no PGPtray_Hidden_Window");
    }
}

PGPTrayStandin::~PGPTrayStandin() {
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 10000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
    EmptyDirectory();
}

void PGPTrayStandin::EmptyDirectory() {
    for (const char* name :
         {"PGPTray.Exe", "PGPTray.ini", "PGPTray.log", "keyring.txt", "keys-to-import.txt"}) {
        DeleteFileA(File(name).c_str());
    }
}

void PGPTrayStandin::Configure(const std::vector<std::string>& behaviour) const {
    std::string content = "[Behaviour]\r\n";
    for (const std::string& line : behaviour) {
        content += line + "\r\n";
    }
    PutFile(File("PGPTray.ini"), content);
}

bool PGPTrayStandin::Send(unsigned id, DWORD timeoutMs) const {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window_, WM_COMMAND, id, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

std::vector<std::string> PGPTrayStandin::LogLines() const {
    std::istringstream log(FileContent(File("PGPTray.log")));
    std::vector<std::string> lines;
    for (std::string line; std::getline(log, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> PGPTrayStandin::CommandLines() const {
    std::vector<std::string> commands;
    for (const std::string& line : LogLines()) {
        if (!line.starts_with(" ")) {
            commands.push_back(line);
        }
    }
    return commands;
}

HWND PGPTrayStandin::FindOwnWindow(const char* className, const char* caption) const {
    for (HWND window = FindWindowExA(nullptr, nullptr, className, caption); window;
         window = FindWindowExA(nullptr, window, className, caption)) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        if (processId == process_.dwProcessId) {
            return window;
        }
    }
    return nullptr;
}

HWND PGPTrayStandin::WaitForWindow(const char* className, const char* caption,
                                   DWORD timeoutMs) const {
    return WaitFor(timeoutMs, [&] { return FindOwnWindow(className, caption); });
}

std::string WindowText(HWND window) {
    const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied =
        SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}
