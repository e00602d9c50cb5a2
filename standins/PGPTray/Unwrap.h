#pragma once
// Decrypting and verifying the stand-in's own blocks inside a text.

#include <string>
#include <string_view>
#include <vector>

struct Unwrapped {
    std::string text;                 // the text with every opened block replaced by its plain text
    std::vector<std::string> plains;  // the plain texts of the opened blocks
    std::vector<std::string> notes;   // one per block found, opened or not
};

// Opens each encrypted message and each clear-signed message of the text in turn; the text
// around them, and blocks that cannot be opened, stay as they are.
Unwrapped UnwrapBlocks(std::string_view text);
