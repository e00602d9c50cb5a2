#pragma once
// Which keys are offered, which may be used without asking, and how a key is described.

#include <string>
#include <string_view>

#include "Key.h"

namespace gpgtray {

// A key that can take an encrypted message: it has a usable encryption key and is neither
// expired, revoked, invalid nor disabled.
bool CanEncryptTo(const Key& key);

// A key that can make signatures, on the same terms.
bool CanSignWith(const Key& key);

// A key that GnuPG holds to belong to the person it names: its validity is full or
// ultimate. Any other needs the user's word before it is used.
bool IsFullyValid(const Key& key);

// "full", "ultimate", "marginal", "unknown", ...
std::string ValidityWord(char validity);

// "never", or the date.
std::string ExpiryText(const Key& key);

// Whether every blank-separated word of the filter (UTF-8) is found, ignoring the case of
// ASCII letters, in a user ID, the key id or the fingerprint.
bool MatchesFilter(const Key& key, std::string_view filter);

// The parts of a user ID "Name (comment) <address>": "Name (comment)" and "address".
std::string NameOf(std::string_view userId);
std::string AddressOf(std::string_view userId);

// The key as the program's lists show it, its columns separated by tabs: name, address,
// key id, validity, expiry.
std::string KeyRow(const Key& key);

}  // namespace gpgtray
