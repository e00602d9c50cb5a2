#include "fakes/FakeProfiles.h"

#include "support/strutil.h"

std::string FakeProfiles::ReadSystem(const std::string& section, const std::string& key,
                                     const std::string& defaultValue) {
    return ReadPrivate(kWinIni, section, key, defaultValue);
}

std::string FakeProfiles::ReadPrivate(const std::string& path, const std::string& section,
                                      const std::string& key, const std::string& defaultValue) {
    const auto found = values_.find(KeyOf(path, section, key));
    return found == values_.end() ? defaultValue : found->second;
}

void FakeProfiles::Put(const std::string& path, const std::string& section, const std::string& key,
                       const std::string& value) {
    values_[KeyOf(path, section, key)] = value;
}

FakeProfiles::Key FakeProfiles::KeyOf(const std::string& path, const std::string& section,
                                      const std::string& key) {
    return {LowerAscii(path), LowerAscii(section), LowerAscii(key)};
}
