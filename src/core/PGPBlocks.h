#pragma once
// Which kinds of PGP armour block a text holds.

#include <string>

struct TPGPBlocks {
    bool HasPGPBlock = false;
    bool HasPublicKey = false;
    bool HasSigned = false;
    bool HasMessage = false;

    bool operator==(const TPGPBlocks&) const = default;
};

// The four flags of a text: each is set when both its begin and its end marker stand at
// the start of some line.
TPGPBlocks ClassifyPGP(const std::string& text);

// The text with the blanks in front of its BEGIN and END marker lines removed, so that a
// mailer's indentation does not hide the blocks.
std::string UnindentPGPMarkers(const std::string& text);
