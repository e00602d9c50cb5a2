#pragma once
// Plain fakes of the clipboard, process start and version resources.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Clipboard.h"
#include "platform/Processes.h"
#include "platform/VersionInfo.h"

// A text assigned directly is another program's change: it moves the sequence number on
// as well, when it is next asked for.
class FakeClipboard : public IClipboard {
public:
    std::string Text() override { return text; }
    void SetText(const std::string& t) override {
        text = t;
        Changed();
    }
    void Empty() override {
        text.clear();
        ++empties;
        Changed();
    }
    unsigned SequenceNumber() override {
        if (text != textAtSequence_) {
            Changed();
        }
        return sequence_;
    }

    std::string text;
    int empties = 0;

private:
    void Changed() {
        ++sequence_;
        textAtSequence_ = text;
    }
    unsigned sequence_ = 1;
    std::string textAtSequence_;
};

// Starts nothing: each start is recorded, and its outcome is what the test set.
class FakeProcesses : public IProcesses {
public:
    struct Run {
        std::string commandLine;
        int showState = 0;
        std::uint32_t creationFlags = 0;
    };
    unsigned WinExec(const std::string& commandLine, int showState) override;
    ProcessRun RunAndWait(const std::string& commandLine, int showState,
                          std::uint32_t creationFlags) override;

    std::vector<std::string> winExecs;  // command lines started without waiting
    unsigned winExecResult = 33;
    std::function<void()> onWinExec;                // what the started program does at once
    std::vector<Run> runs;                          // command lines started and waited for
    std::function<void(const std::string&)> onRun;  // what a program waited for does
    ProcessRun runResult{true, 0, 0};
};

// Version resources by file name ("" is the own program) and query path.
class FakeVersionInfo : public IVersionInfo {
public:
    VersionQuery Query(const std::string& fileName, const std::string& subBlock) override;

    // A string as the system stores it: its characters and a terminating zero.
    void Put(const std::string& fileName, const std::string& subBlock, const std::string& value);

    std::map<std::string, std::map<std::string, VersionQuery>> files;
    std::vector<std::string> queries;  // "<file>|<query path>"
};
