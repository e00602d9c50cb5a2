#pragma once
// Finding armour lines in a text: markers count only at the start of a line.

#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view kCrLf = "\r\n";

// Where marker stands at the start of a line at or after from; npos when nowhere.
std::size_t FindAtLineStart(std::string_view text, std::string_view marker, std::size_t from);

// Whether the text holds an encrypted or a clear-signed message at all, judged by the begin
// and end markers alone (each at the start of some line, in any order), as PGP judges before
// it tries to open anything.
bool HasEncryptedOrSignedMarkers(std::string_view text);

// Just past the line that holds pos, its line end included; the text's size on the last line.
std::size_t PastLine(std::string_view text, std::size_t pos);

// The lines of a text split at LF, each without its LF and a CR in front of it.
std::vector<std::string_view> Lines(std::string_view text);

// Each public-key block of the text, from its begin line through its end line, ending in
// CR LF, in the order they stand.
std::vector<std::string> PublicKeyBlocks(std::string_view text);
