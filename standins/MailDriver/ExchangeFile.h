#pragma once
// The exchange file as a driver reads and writes it, with the program's own format.

#include <optional>
#include <string>

#include "core/MFDData.h"

namespace maildriver {

// Replaces the file at path with the record's text; false when it cannot be written.
bool WriteExchangeFile(const std::string& path, const TMFDData& record);

// The record in the file at path; nothing when the file cannot be read.
std::optional<TMFDData> ReadExchangeFile(const std::string& path);

}  // namespace maildriver
