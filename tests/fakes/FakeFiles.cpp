#include "fakes/FakeFiles.h"

#include <stdexcept>
#include <string_view>

#include "support/strutil.h"

namespace {

// The wildcards of a file pattern: "*" any run of characters, "?" any one.
bool MatchesMask(std::string_view mask, std::string_view name) {
    if (mask.empty()) {
        return name.empty();
    }
    if (mask.front() == '*') {
        return MatchesMask(mask.substr(1), name) ||
               (!name.empty() && MatchesMask(mask, name.substr(1)));
    }
    return !name.empty() && (mask.front() == '?' || mask.front() == name.front()) &&
           MatchesMask(mask.substr(1), name.substr(1));
}

}  // namespace

std::string FakeFiles::Key(const std::string& path) {
    return LowerAscii(path);
}

void FakeFiles::CheckOpen(const std::string& key, bool forWriting) const {
    if (held_.count(key)) {
        throw FileError(kErrorSharingViolation, FileStep::Open);
    }
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
    if (auto refused = refusedReads_.find(key); refused != refusedReads_.end()) {
        if (refused->second != 0) {
            refused->second -= refused->second > 0 ? 1 : 0;
            throw FileError(kErrorSharingViolation, FileStep::Open);
        }
    }
    return it->second;
}

void FakeFiles::WriteAll(const std::string& path, std::string_view data) {
    const std::string key = Key(path);
    calls.push_back("WriteAll " + path + " " + std::to_string(data.size()));
    CheckOpen(key, true);
    files_[key].clear();
    names_.emplace(key, path);
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
    names_.emplace(key, path);
}

bool FakeFiles::Overwrite(const std::string& path, std::string_view data) {
    const std::string key = Key(path);
    calls.push_back("Overwrite " + path + " " + std::to_string(data.size()));
    auto it = files_.find(key);
    if (it == files_.end() || readOnly_.count(key) || failOpen_.count(key) || held_.count(key)) {
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
    if (it == files_.end() || readOnly_.count(key) || failOpen_.count(key) || held_.count(key)) {
        return false;
    }
    it->second.clear();
    return true;
}

bool FakeFiles::Remove(const std::string& path) {
    const std::string key = Key(path);
    calls.push_back("Remove " + path);
    if (readOnly_.count(key) || held_.count(key)) {
        return false;
    }
    names_.erase(key);
    return files_.erase(key) > 0;
}

bool FakeFiles::ClearReadOnly(const std::string& path) {
    const std::string key = Key(path);
    calls.push_back("ClearReadOnly " + path);
    if (!files_.count(key) || held_.count(key)) {
        return false;
    }
    readOnly_.erase(key);
    return true;
}

bool FakeFiles::CreateFolder(const std::string& path) {
    const std::string key = Key(path);
    if (!refusedFolders_.count(key)) {
        folders_.insert(key);
    }
    return folders_.count(key) > 0;
}

void FakeFiles::Put(const std::string& path, const std::string& content) {
    files_[Key(path)] = content;
    names_.emplace(Key(path), path);
}

std::string FakeFiles::FindFirst(const std::string& pattern) {
    calls.push_back("FindFirst " + pattern);
    const std::size_t nameStart = pattern.rfind('\\') + 1;  // 0 without a directory
    const std::string directory = Key(pattern.substr(0, nameStart));
    const std::string mask = Key(pattern.substr(nameStart));
    for (const auto& [key, path] : names_) {
        if (!key.starts_with(directory)) {
            continue;
        }
        const std::string_view name = std::string_view(key).substr(directory.size());
        if (name.find('\\') == std::string_view::npos && MatchesMask(mask, name)) {
            return path.substr(directory.size());
        }
    }
    return {};
}

std::string FakeFiles::Content(const std::string& path) const {
    auto it = files_.find(Key(path));
    if (it == files_.end()) {
        throw std::logic_error("no file " + path);
    }
    return it->second;
}
