#pragma once
// The stand-in's "signature": a fixed-width checksum of the signed text.

#include <string>
#include <string_view>

// 16 upper-case hexadecimal digits (64-bit FNV-1a of the bytes).
std::string Checksum(std::string_view bytes);
