#pragma once
// What an import did, counted from GnuPG's status stream.

#include <string>
#include <vector>

#include "StatusLines.h"

namespace gpgtray {

struct ImportCounts {
    int read = 0;         // keys found in the text
    int imported = 0;     // new on the keyring
    int changed = 0;      // already there, and given new user IDs, signatures or subkeys
    int unchanged = 0;    // already there as they are
    int notImported = 0;  // refused
    std::vector<std::string> newKeys;  // the user IDs of the imported keys, UTF-8
};

ImportCounts ReadImport(const StatusLines& status);

// "2 keys read: 1 imported, 1 changed, 0 left unchanged." and the names of the new keys.
std::string ImportWords(const ImportCounts& counts);

}  // namespace gpgtray
