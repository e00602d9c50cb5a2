#pragma once
// Profile files in memory: values keyed by file, section and key, letter case ignored as
// Windows does. WIN.INI is the file "WIN.INI".

#include <map>
#include <string>
#include <tuple>

#include "platform/Profiles.h"

class FakeProfiles : public IProfiles {
public:
    std::string ReadSystem(const std::string& section, const std::string& key,
                           const std::string& defaultValue) override;
    std::string ReadPrivate(const std::string& path, const std::string& section,
                            const std::string& key, const std::string& defaultValue) override;

    // Test set-up.
    void Put(const std::string& path, const std::string& section, const std::string& key,
             const std::string& value);

    static constexpr const char* kWinIni = "WIN.INI";

private:
    using Key = std::tuple<std::string, std::string, std::string>;
    static Key KeyOf(const std::string& path, const std::string& section, const std::string& key);

    std::map<Key, std::string> values_;
};
