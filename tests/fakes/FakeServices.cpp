#include "fakes/FakeServices.h"

unsigned FakeProcesses::WinExec(const std::string& commandLine, int /*showState*/) {
    winExecs.push_back(commandLine);
    if (onWinExec) {
        onWinExec();
    }
    return winExecResult;
}

ProcessRun FakeProcesses::RunAndWait(const std::string& commandLine, int showState,
                                     std::uint32_t creationFlags) {
    runs.push_back({commandLine, showState, creationFlags});
    if (onRun) {
        onRun(commandLine);
    }
    return runResult;
}

VersionQuery FakeVersionInfo::Query(const std::string& fileName, const std::string& subBlock) {
    queries.push_back(fileName + "|" + subBlock);
    const auto file = files.find(fileName);
    if (file == files.end()) {
        return {};
    }
    const auto value = file->second.find(subBlock);
    if (value == file->second.end()) {
        return {VersionQuery::Status::QueryFailed, 0, ""};
    }
    return value->second;
}

void FakeVersionInfo::Put(const std::string& fileName, const std::string& subBlock,
                          const std::string& value) {
    files[fileName][subBlock] = {VersionQuery::Status::Found,
                                 static_cast<unsigned>(value.size() + 1), value + '\0'};
}
