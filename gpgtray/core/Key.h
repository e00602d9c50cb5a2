#pragma once
// One OpenPGP key as GnuPG lists it.

#include <string>
#include <vector>

namespace gpgtray {

struct Key {
    std::string fingerprint;
    std::string keyId;  // the last 16 hexadecimal digits of the fingerprint
    // GnuPG's validity letter: 'u' ultimate, 'f' full, 'm' marginal, 'n' never, 'e' expired,
    // 'r' revoked, 'i' invalid, 'd' disabled, '-', 'q' or 'o' unknown.
    char validity = '-';
    long long created = 0;  // seconds since 1970
    long long expires = 0;  // 0: never
    // The key's usable capabilities as a whole: capitals ('E' encrypt, 'S' sign), and 'D'
    // when the user has disabled it.
    std::string capabilities;
    std::vector<std::string> userIds;  // UTF-8, the revoked ones left out
    bool secret = false;               // listed among the secret keys

    // The first user ID, or the key id when it has none.
    std::string Label() const { return userIds.empty() ? keyId : userIds.front(); }
};

}  // namespace gpgtray
