#pragma once
// GnuPG's key listings in its machine format (--with-colons).

#include <string_view>
#include <vector>

#include "Key.h"

namespace gpgtray {

// The keys of a listing of public ("pub") or secret ("sec") keys; subkeys are summed up in
// their primary key's capabilities, as GnuPG does.
std::vector<Key> ParseKeyListing(std::string_view listing);

}  // namespace gpgtray
