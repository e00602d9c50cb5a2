#include "PipeRunner.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

#include "gpgtray/core/CommandLine.h"

namespace gpgtray {

namespace {

constexpr DWORD kChunk = 64 * 1024;

// A pipe of which the child inherits one end and the program keeps the other.
struct Pipe {
    HANDLE ours = nullptr;
    HANDLE childs = nullptr;

    // The child reads (its standard input) or writes.
    explicit Pipe(bool childReads) {
        SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
        HANDLE read = nullptr, write = nullptr;
        if (!CreatePipe(&read, &write, &inheritable, 0)) {
            return;
        }
        ours = childReads ? write : read;
        childs = childReads ? read : write;
        SetHandleInformation(ours, HANDLE_FLAG_INHERIT, 0);
    }
    ~Pipe() {
        CloseOurs();
        CloseChilds();
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    bool Valid() const { return ours && childs; }
    void CloseOurs() { Close(ours); }
    void CloseChilds() { Close(childs); }

private:
    static void Close(HANDLE& handle) {
        if (handle) {
            CloseHandle(handle);
            handle = nullptr;
        }
    }
};

// Writes everything, or until the child stops reading, then closes the pipe so that the
// child sees the end of its input.
void Feed(Pipe& pipe, const std::string& input) {
    for (std::size_t done = 0; done < input.size();) {
        DWORD written = 0;
        const DWORD size = static_cast<DWORD>(std::min<std::size_t>(kChunk, input.size() - done));
        if (!WriteFile(pipe.ours, input.data() + done, size, &written, nullptr)) {
            break;
        }
        done += written;
    }
    pipe.CloseOurs();
}

// Reads until every writer has closed its end.
void Drain(HANDLE from, std::string& into) {
    std::vector<char> buffer(kChunk);
    DWORD read = 0;
    while (ReadFile(from, buffer.data(), kChunk, &read, nullptr) && read > 0) {
        into.append(buffer.data(), read);
    }
}

std::string HandleNumber(HANDLE handle) {
    return std::to_string(reinterpret_cast<std::uintptr_t>(handle));
}

}  // namespace

ProcessResult PipeRunner::Run(const ProcessRequest& request) {
    ProcessResult result;
    Pipe input(true), output(false), errors(false), status(false);
    if (!input.Valid() || !output.Valid() || !errors.Valid() || !status.Valid()) {
        return result;
    }
    std::vector<std::string> arguments;
    if (!request.statusOption.empty()) {
        arguments = {request.statusOption, HandleNumber(status.childs)};
    }
    arguments.insert(arguments.end(), request.arguments.begin(), request.arguments.end());
    std::string commandLine = WindowsCommandLine(request.program, arguments);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input.childs;
    startup.hStdOutput = output.childs;
    startup.hStdError = errors.childs;
    PROCESS_INFORMATION process{};
    // Only the child's ends are inheritable: the program's own ends must close when it
    // closes them, or the child would never see the end of its input.
    if (!CreateProcessA(request.program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                        CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process)) {
        return result;
    }
    result.started = true;
    CloseHandle(process.hThread);
    for (Pipe* pipe : {&input, &output, &errors, &status}) {
        pipe->CloseChilds();
    }
    std::thread feeder(Feed, std::ref(input), std::cref(request.input));
    std::thread outputReader(Drain, output.ours, std::ref(result.output));
    std::thread errorReader(Drain, errors.ours, std::ref(result.errors));
    Drain(status.ours, result.status);
    for (std::thread* thread : {&feeder, &outputReader, &errorReader}) {
        thread->join();
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    result.exitCode = static_cast<int>(code);
    CloseHandle(process.hProcess);
    return result;
}

}  // namespace gpgtray
