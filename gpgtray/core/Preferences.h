#pragma once
// The user's preferences, kept in the settings store.

#include <string>
#include <vector>

#include "SettingsStore.h"

namespace gpgtray {

struct Preferences {
    std::string gpgPath;     // empty: found where GnuPG's installer registered it
    std::string defaultKey;  // fingerprint; empty: GnuPG's own default key
    bool encryptToSelf = true;
    std::vector<std::string> lastRecipients;  // fingerprints, the last choice
};

Preferences LoadPreferences(const ISettingsStore& store);
void SavePreferences(ISettingsStore& store, const Preferences& preferences);

}  // namespace gpgtray
