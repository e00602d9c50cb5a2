// A console program for the pipe runner's tests: copies its standard input to its standard
// output as it comes, writes a status line for every block to the handle that follows
// "--status-fd", writes its other arguments to standard error one per line, and ends with
// the exit code that follows "--exit".
//
//   EchoStreams --status-fd <handle> [--exit <code>] [arguments...]

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "StdStreams.h"

int main(int argc, char** argv) {
    HANDLE status = INVALID_HANDLE_VALUE;
    int exitCode = 0;
    const HANDLE errors = GetStdHandle(STD_ERROR_HANDLE);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--status-fd") == 0 && i + 1 < argc) {
            status = reinterpret_cast<HANDLE>(std::strtoull(argv[++i], nullptr, 10));
        } else if (std::strcmp(argv[i], "--exit") == 0 && i + 1 < argc) {
            exitCode = std::atoi(argv[++i]);
        } else {
            WriteAll(errors, std::string(argv[i]) + "\n");
        }
    }
    // Small blocks, echoed at once: a runner that wrote all the input before reading would
    // wait for ever once the pipes are full.
    char block[4096];
    DWORD read = 0;
    for (long blocks = 1;
         ReadFile(GetStdHandle(STD_INPUT_HANDLE), block, sizeof block, &read, nullptr) && read > 0;
         ++blocks) {
        WriteAll(GetStdHandle(STD_OUTPUT_HANDLE), std::string_view(block, read));
        WriteAll(status, "[GNUPG:] PROGRESS block " + std::to_string(blocks) + "\n");
    }
    return exitCode;
}
