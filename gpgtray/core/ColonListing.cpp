#include "ColonListing.h"

#include <cstdlib>
#include <string>

#include "HexDigits.h"
#include "TextUtil.h"

namespace gpgtray {

namespace {

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t colon; (colon = line.find(':')) != std::string_view::npos;) {
        fields.push_back(line.substr(0, colon));
        line.remove_prefix(colon + 1);
    }
    fields.push_back(line);
    return fields;
}

// The n-th field, counted from 1 as GnuPG's documentation counts them; empty when absent.
std::string_view Field(const std::vector<std::string_view>& fields, std::size_t n) {
    return n <= fields.size() ? fields[n - 1] : std::string_view();
}

long long Number(std::string_view text) {
    return std::atoll(std::string(text).c_str());
}

Key PrimaryKey(const std::vector<std::string_view>& fields) {
    Key key;
    key.secret = Field(fields, 1) == "sec";
    const std::string_view validity = Field(fields, 2);
    key.validity = validity.empty() ? '-' : validity.front();
    key.keyId = Field(fields, 5);
    key.created = Number(Field(fields, 6));
    key.expires = Number(Field(fields, 7));
    key.capabilities = Field(fields, 12);
    return key;
}

void AddLine(std::vector<Key>& keys, bool& fingerprintTaken, std::string_view line) {
    const std::vector<std::string_view> fields = SplitFields(line);
    const std::string_view type = Field(fields, 1);
    if (type == "pub" || type == "sec") {
        keys.push_back(PrimaryKey(fields));
        fingerprintTaken = false;
    } else if (keys.empty()) {
        return;
    } else if (type == "fpr" && !fingerprintTaken) {
        // The first fingerprint after the primary key is its own; later ones are subkeys'.
        keys.back().fingerprint = Field(fields, 10);
        fingerprintTaken = true;
    } else if (type == "uid" && Field(fields, 2) != "r") {
        keys.back().userIds.push_back(Unescaped(Field(fields, 10), "\\x"));
    }
}

}  // namespace

std::vector<Key> ParseKeyListing(std::string_view listing) {
    std::vector<Key> keys;
    bool fingerprintTaken = false;
    for (std::string_view line : SplitLines(listing)) {
        AddLine(keys, fingerprintTaken, line);
    }
    return keys;
}

}  // namespace gpgtray
