#include "fakes/FakeFiles.h"

#include <stdexcept>

#include "support/strutil.h"

std::string FakeFiles::Key(const std::string& path) {
    return LowerAscii(path);
}

void FakeFiles::CheckOpen(const std::string& key, bool forWriting) const {
    if (auto it = failOpen_.find(key); it != failOpen_.end()) {
        throw FileError(it->second, FileStep::Open);
    }
    if (forWriting && readOnly_.count(key)) {
        throw FileError(kErrorAccessDenied, FileStep::Open);
    }
}

bool FakeFiles::Exists(const std::string& path) {
    return files_.count(Key(path)) > 0;
}

std::string FakeFiles::ReadAll(const std::string& path) {
    const std::string key = Key(path);
    calls.push_back("ReadAll " + path);
    auto it = files_.find(key);
    if (it == files_.end()) {
        throw FileError(kErrorFileNotFound, FileStep::Open);
    }
    CheckOpen(key, false);
    return it->second;
}

void FakeFiles::WriteAll(const std::string& path, std::string_view data) {
    const std::string key = Key(path);
    calls.push_back("WriteAll " + path + " " + std::to_string(data.size()));
    CheckOpen(key, true);
    files_[key].clear();
    if (auto it = failWrite_.find(key); it != failWrite_.end()) {
        throw FileError(it->second, FileStep::Write);
    }
    files_[key] = std::string(data);
}

void FakeFiles::Append(const std::string& path, std::string_view data) {
    const std::string key = Key(path);
    calls.push_back("Append " + path + " " + std::to_string(data.size()));
    CheckOpen(key, true);
    if (auto it = failWrite_.find(key); it != failWrite_.end()) {
        throw FileError(it->second, FileStep::Write);
    }
    files_[key] += data;
}

bool FakeFiles::Overwrite(const std::string& path, std::string_view data) {
    const std::string key = Key(path);
    calls.push_back("Overwrite " + path + " " + std::to_string(data.size()));
    auto it = files_.find(key);
    if (it == files_.end() || readOnly_.count(key) || failOpen_.count(key)) {
        return false;
    }
    overwrites.emplace_back(data);
    std::string& content = it->second;
    if (content.size() < data.size()) {
        content.resize(data.size());
    }
    content.replace(0, data.size(), data);
    return true;
}

bool FakeFiles::Truncate(const std::string& path) {
    const std::string key = Key(path);
    calls.push_back("Truncate " + path);
    auto it = files_.find(key);
    if (it == files_.end() || readOnly_.count(key) || failOpen_.count(key)) {
        return false;
    }
    it->second.clear();
    return true;
}

bool FakeFiles::Remove(const std::string& path) {
    const std::string key = Key(path);
    calls.push_back("Remove " + path);
    if (readOnly_.count(key)) {
        return false;
    }
    return files_.erase(key) > 0;
}

void FakeFiles::Put(const std::string& path, const std::string& content) {
    files_[Key(path)] = content;
}

std::string FakeFiles::Content(const std::string& path) const {
    auto it = files_.find(Key(path));
    if (it == files_.end()) {
        throw std::logic_error("no file " + path);
    }
    return it->second;
}
