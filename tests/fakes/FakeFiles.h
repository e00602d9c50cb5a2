#pragma once
// An in-memory file system keyed by the Windows path, letter case ignored as Windows does.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Files.h"

class FakeFiles : public IFiles {
public:
    bool Exists(const std::string& path) override;
    std::string ReadAll(const std::string& path) override;
    void WriteAll(const std::string& path, std::string_view data) override;
    void Append(const std::string& path, std::string_view data) override;
    bool Overwrite(const std::string& path, std::string_view data) override;
    bool Truncate(const std::string& path) override;
    bool Remove(const std::string& path) override;
    bool ClearReadOnly(const std::string& path) override;
    // Folders exist once created; a refused one is never created.
    bool CreateFolder(const std::string& path) override;
    // Files in the order of their lower-cased paths; names as they were first written.
    std::string FindFirst(const std::string& pattern) override;

    // Test set-up and inspection.
    void Put(const std::string& path, const std::string& content);
    std::string Content(const std::string& path) const;  // throws when absent
    void MakeReadOnly(const std::string& path) { readOnly_.insert(Key(path)); }
    bool IsReadOnly(const std::string& path) const { return readOnly_.count(Key(path)) > 0; }
    bool FolderExists(const std::string& path) const { return folders_.count(Key(path)) > 0; }
    void RefuseFolder(const std::string& path) {
        refusedFolders_.insert(Key(path));
        folders_.erase(Key(path));
    }
    // Another program reads the file without sharing it for the next `times` reads of ours:
    // each fails with a sharing violation; writing and removing still work.
    static constexpr int kAlways = -1;
    void RefuseReads(const std::string& path, int times = kAlways) {
        refusedReads_[Key(path)] = times;
    }
    // Every open of the path fails with the system error number.
    void FailOpen(const std::string& path, int systemError) { failOpen_[Key(path)] = systemError; }
    // Another program holds the file without sharing it: every open fails with a sharing
    // violation and it cannot be removed, until Release.
    void Hold(const std::string& path) { held_.insert(Key(path)); }
    void Release(const std::string& path) { held_.erase(Key(path)); }
    // Writes to the path fail part-way with the system error number.
    void FailWrite(const std::string& path, int systemError) {
        failWrite_[Key(path)] = systemError;
    }

    // One line per call that reached the file system: "Overwrite <path> <n>", "Truncate <path>",
    // "Remove <path>", "ClearReadOnly <path>", "WriteAll <path> <n>", "Append <path> <n>", "ReadAll
    // <path>", "FindFirst <pattern>".
    std::vector<std::string> calls;
    // The data of each Overwrite, in order.
    std::vector<std::string> overwrites;

private:
    static std::string Key(const std::string& path);
    void CheckOpen(const std::string& key, bool forWriting) const;

    std::map<std::string, std::string> files_;
    std::map<std::string, std::string> names_;  // key -> the path as first written
    std::set<std::string> readOnly_;
    std::set<std::string> held_;
    std::set<std::string> folders_;
    std::set<std::string> refusedFolders_;
    std::map<std::string, int> refusedReads_;
    std::map<std::string, int> failOpen_;
    std::map<std::string, int> failWrite_;
};
