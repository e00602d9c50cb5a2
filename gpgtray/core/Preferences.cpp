#include "Preferences.h"

#include <sstream>

namespace gpgtray {

namespace {

constexpr const char* kGpgPath = "GpgPath";
constexpr const char* kDefaultKey = "DefaultKey";
constexpr const char* kEncryptToSelf = "EncryptToSelf";
constexpr const char* kLastRecipients = "LastRecipients";

std::vector<std::string> SplitCommas(const std::string& text) {
    std::vector<std::string> items;
    std::istringstream stream(text);
    for (std::string item; std::getline(stream, item, ',');) {
        if (!item.empty()) {
            items.push_back(item);
        }
    }
    return items;
}

std::string JoinCommas(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) {
        text += (text.empty() ? "" : ",") + item;
    }
    return text;
}

}  // namespace

Preferences LoadPreferences(const ISettingsStore& store) {
    Preferences preferences;
    preferences.gpgPath = store.Read(kGpgPath);
    preferences.defaultKey = store.Read(kDefaultKey);
    preferences.encryptToSelf = store.Read(kEncryptToSelf) != "0";
    preferences.lastRecipients = SplitCommas(store.Read(kLastRecipients));
    return preferences;
}

void SavePreferences(ISettingsStore& store, const Preferences& preferences) {
    store.Write(kGpgPath, preferences.gpgPath);
    store.Write(kDefaultKey, preferences.defaultKey);
    store.Write(kEncryptToSelf, preferences.encryptToSelf ? "1" : "0");
    store.Write(kLastRecipients, JoinCommas(preferences.lastRecipients));
}

}  // namespace gpgtray
