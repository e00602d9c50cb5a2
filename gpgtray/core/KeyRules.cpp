#include "KeyRules.h"

#include <sstream>

#include "DateText.h"
#include "TextUtil.h"

namespace gpgtray {

namespace {

bool IsUsable(const Key& key, char capability) {
    constexpr std::string_view kUnusable = "erid";
    return key.capabilities.find(capability) != std::string::npos &&
           key.capabilities.find('D') == std::string::npos &&
           kUnusable.find(key.validity) == std::string_view::npos;
}

bool AnyIdHolds(const Key& key, std::string_view word) {
    for (const std::string& id : key.userIds) {
        if (ContainsIgnoringCase(id, word)) {
            return true;
        }
    }
    return ContainsIgnoringCase(key.keyId, word) || ContainsIgnoringCase(key.fingerprint, word);
}

}  // namespace

bool CanEncryptTo(const Key& key) {
    return IsUsable(key, 'E');
}

bool CanSignWith(const Key& key) {
    return IsUsable(key, 'S');
}

bool IsFullyValid(const Key& key) {
    return key.validity == 'f' || key.validity == 'u';
}

std::string ValidityWord(char validity) {
    switch (validity) {
        case 'u':
            return "ultimate";
        case 'f':
            return "full";
        case 'm':
            return "marginal";
        case 'n':
            return "not valid";
        case 'e':
            return "expired";
        case 'r':
            return "revoked";
        default:
            return "unknown";
    }
}

std::string ExpiryText(const Key& key) {
    return key.expires == 0 ? "never" : DateText(key.expires);
}

bool MatchesFilter(const Key& key, std::string_view filter) {
    std::istringstream words{std::string(filter)};
    for (std::string word; words >> word;) {
        if (!AnyIdHolds(key, word)) {
            return false;
        }
    }
    return true;
}

std::string NameOf(std::string_view userId) {
    const std::size_t open = userId.rfind('<');
    if (open == std::string_view::npos) {
        return std::string(userId);
    }
    std::string_view name = userId.substr(0, open);
    while (name.ends_with(' ')) {
        name.remove_suffix(1);
    }
    return std::string(name);
}

std::string AddressOf(std::string_view userId) {
    const std::size_t open = userId.rfind('<');
    const std::size_t close = userId.rfind('>');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open) {
        return "";
    }
    return std::string(userId.substr(open + 1, close - open - 1));
}

std::string KeyRow(const Key& key) {
    const std::string id = key.userIds.empty() ? "" : key.userIds.front();
    return NameOf(id) + "\t" + AddressOf(id) + "\t" + key.keyId + "\t" +
           ValidityWord(key.validity) + "\t" + ExpiryText(key);
}

}  // namespace gpgtray
