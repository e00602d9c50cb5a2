#include "fakes/FakeProfiles.h"

#include "support/error.h"
#include "support/strutil.h"

std::string FakeProfiles::ReadSystem(const std::string& section, const std::string& key,
                                     const std::string& defaultValue) {
    return Find(KeyOf(kWinIni, section, key), defaultValue);
}

std::string FakeProfiles::ReadPrivate(const std::string& path, const std::string& section,
                                      const std::string& key, const std::string& defaultValue) {
    Record("read", path, section, key);
    return Find(KeyOf(path, section, key), defaultValue);
}

bool FakeProfiles::WritePrivate(const std::string& path, const std::string& section,
                                const std::string& key, const std::string& value) {
    Record("write", path, section, key + "=" + value);
    if (unwritable_.count(LowerAscii(path)) != 0) {
        return false;
    }
    Put(path, section, key, value);
    return true;
}

void FakeProfiles::Put(const std::string& path, const std::string& section, const std::string& key,
                       const std::string& value) {
    values_[KeyOf(path, section, key)] = value;
}

void FakeProfiles::MakeUnwritable(const std::string& path) {
    unwritable_.insert(LowerAscii(path));
}

FakeProfiles::Key FakeProfiles::KeyOf(const std::string& path, const std::string& section,
                                      const std::string& key) {
    return {LowerAscii(path), LowerAscii(section), LowerAscii(key)};
}

std::string FakeProfiles::Find(const Key& key, const std::string& defaultValue) const {
    const auto found = values_.find(key);
    return found == values_.end() ? defaultValue : found->second;
}

void FakeProfiles::Record(const std::string& verb, const std::string& path,
                          const std::string& section, const std::string& keyAndValue) {
    calls.push_back(std::to_string(Checkpoint()) + " " + verb + " " + path + " [" + section + "] " +
                    keyAndValue);
}
