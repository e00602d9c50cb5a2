// Plays GnuPG's part in the Wine tests: answers a run with the recorded transcript of the
// same arguments and input (tests/gpgtray/transcripts), taken from the folder
// "transcripts" beside it: writes its output, writes its status lines to the handle that
// follows "--status-fd", and ends with its exit code. A run that was never recorded ends
// with code 2 and says so on standard error.

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "StdStreams.h"
#include "gpgtray/Transcript.h"

namespace {

std::string TranscriptFolder() {
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string folder = self;
    return folder.substr(0, folder.find_last_of('\\') + 1) + "transcripts\\";
}

std::vector<Transcript> LoadTranscripts() {
    std::vector<Transcript> transcripts;
    const std::string folder = TranscriptFolder();
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "*.txt").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return transcripts;
    }
    do {
        std::ifstream file(folder + found.cFileName, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        if (const auto transcript = ParseTranscript(text.str())) {
            transcripts.push_back(*transcript);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return transcripts;
}

}  // namespace

int main(int argc, char** argv) {
    HANDLE status = INVALID_HANDLE_VALUE;
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--status-fd") == 0 && i + 1 < argc) {
            status = reinterpret_cast<HANDLE>(std::strtoull(argv[++i], nullptr, 10));
        } else {
            arguments.push_back(argv[i]);
        }
    }
    const std::string input = ReadAll(GetStdHandle(STD_INPUT_HANDLE));
    for (const Transcript& transcript : LoadTranscripts()) {
        if (transcript.arguments == arguments && SameText(transcript.input, input)) {
            WriteAll(GetStdHandle(STD_OUTPUT_HANDLE), transcript.output);
            WriteAll(status, transcript.status);
            return transcript.exitCode;
        }
    }
    std::string asked = "gpg double: no recorded run of";
    for (const std::string& argument : arguments) {
        asked += " " + argument;
    }
    WriteAll(GetStdHandle(STD_ERROR_HANDLE), asked + " with that input\n");
    return 2;
}
