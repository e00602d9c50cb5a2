#pragma once
// The exchange file as a driver reads and writes it.

#include <optional>
#include <string>

#include "ExchangeRecord.h"

namespace maildriver {

// Replaces the file at path with the record's text; false when it cannot be written.
bool WriteExchangeFile(const std::string& path, const standin::ExchangeRecord& record);

// The record in the file at path; nothing when the file cannot be read.
std::optional<standin::ExchangeRecord> ReadExchangeFile(const std::string& path);

}  // namespace maildriver
