#pragma once
// The stand-in's encrypted messages: "-----BEGIN PGP MESSAGE-----" blocks whose base64 lines
// carry the text scrambled with a fixed key, so that they are deterministic and reversible.

#include <string>
#include <string_view>

#include "OpenedBlock.h"

// The armoured block, with CR LF line ends and a final line end. A block that is also
// signed carries the text's checksum, which opening checks.
std::string EncryptToArmour(std::string_view text, bool signToo);

// Reverses EncryptToArmour on a block from its begin line through its end line.
OpenedBlock OpenMessage(std::string_view block);
