#pragma once
// Profile files in memory: values keyed by file, section and key, letter case ignored as
// Windows does. WIN.INI is the file "WIN.INI".

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/Profiles.h"

class FakeProfiles : public IProfiles {
public:
    std::string ReadSystem(const std::string& section, const std::string& key,
                           const std::string& defaultValue) override;
    std::string ReadPrivate(const std::string& path, const std::string& section,
                            const std::string& key, const std::string& defaultValue) override;
    bool WritePrivate(const std::string& path, const std::string& section, const std::string& key,
                      const std::string& value) override;

    // Test set-up.
    void Put(const std::string& path, const std::string& section, const std::string& key,
             const std::string& value);
    // Every later write to the file fails; its values can still be read.
    void MakeUnwritable(const std::string& path);

    static constexpr const char* kWinIni = "WIN.INI";

    // One line per private-file call, with the Checkpoint it was made at:
    // "1002 read Tervane5.INI [General] optProcessing",
    // "1012 write Tervane5.INI [General] LocalRoot=C:\dir\". A refused write is recorded too.
    std::vector<std::string> calls;

private:
    using Key = std::tuple<std::string, std::string, std::string>;
    static Key KeyOf(const std::string& path, const std::string& section, const std::string& key);
    std::string Find(const Key& key, const std::string& defaultValue) const;
    void Record(const std::string& verb, const std::string& path, const std::string& section,
                const std::string& keyAndValue);

    std::map<Key, std::string> values_;
    std::set<std::string> unwritable_;
};
