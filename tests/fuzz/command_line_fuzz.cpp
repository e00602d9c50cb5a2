// Fuzzes the command lines that start a driver and PGP's tray program, and the commands
// that go to the tray program: directories, file names, short forms, requests and command
// texts come from the bytes.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "FuzzPlatform.h"
#include "core/PGPCommands.h"
#include "core/PGPInvoke.h"
#include "mailers/CallDriver.h"

namespace {

// Started as one program file by the system: no blank, tab or quote splits it.
bool IsOneToken(const std::string& text) {
    return !text.empty() && text.find_first_of(" \t\"") == std::string::npos;
}

// A path with its short form, when the bytes give it one, known to the system; the empty
// path has none.
std::string PathWithShortForm(FuzzedDataProvider& bytes, FakeSystem& system) {
    const std::string path = bytes.ConsumeRandomLengthString(32);
    if (bytes.ConsumeBool() && !path.empty()) {
        system.shortPaths[path] = bytes.ConsumeRandomLengthString(16);
    }
    return path;
}

// The request follows the program part whole after one blank, so that a program part in one token
// starts that file with exactly the request.
void CheckCommand(const std::string& command, const std::string& programPart,
                  const std::string& request) {
    FUZZ_CHECK(command == programPart + " " + request);
    if (IsOneToken(programPart)) {
        FUZZ_CHECK(command.substr(0, command.find_first_of(" \t")) == programPart);
    }
}

std::string ShortFormOrPath(const FakeSystem& system, const std::string& path) {
    const auto known = system.shortPaths.find(path);
    return known == system.shortPaths.end() || known->second.empty() ? path : known->second;
}

// A program part as started: in quotes where it holds a blank.
std::string AsStarted(const std::string& program) {
    return program.find(' ') == std::string::npos ? program : '"' + program + '"';
}

bool IsPGPCommand(const std::string& text) {
    for (const char* command : {kCmdAutoEncrypt, kCmdAutoSign, kCmdAutoEncryptSign,
                                kCmdAutoDecryptVerify, kCmdAddKey, kCmdProperties, kCmdTools}) {
        if (text == command) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider bytes(data, size);
    FuzzPlatform platform;
    const std::string directory = PathWithShortForm(bytes, platform.system);
    const std::string pgpPath = PathWithShortForm(bytes, platform.system);
    const std::string driver = bytes.ConsumeRandomLengthString(16);
    const std::string command = bytes.ConsumeRandomLengthString(20);
    const std::string request = bytes.ConsumeRemainingBytesAsString();

    CheckCommand(ProgramDriverCommand(directory, driver, request),
                 AsStarted(ShortFormOrPath(platform.system, directory) + "\\" + driver), request);
    CheckCommand(ScriptDriverCommand(FuzzPlatform::kDir, driver, request),
                 AsStarted(std::string(FuzzPlatform::kDir) + "ORV.EXE"), driver + " " + request);
    FUZZ_CHECK(TrayStartCommand(pgpPath) == AsStarted(ShortFormOrPath(platform.system, pgpPath)));
    // Only the commands that the program sends have menu commands of their own.
    FUZZ_CHECK(IsPGPCommand(command) == (PGPCommandId(command) != kDefaultPGPCommandId));
    return 0;
}
