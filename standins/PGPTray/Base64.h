#pragma once
// Base64 with the standard alphabet and padding, as armour lines carry it.

#include <optional>
#include <string>
#include <string_view>

std::string Base64Encode(std::string_view bytes);

// The bytes of an encoding without line breaks; nothing when a character lies outside the
// alphabet or the length or padding is wrong.
std::optional<std::string> Base64Decode(std::string_view encoded);
