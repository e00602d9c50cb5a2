#pragma once
// The internal driver: serves mailers whose script declares itself "Internal" inside the
// program, without a driver process.

#include <string>

// Carries out the request ("Data File=...", "read File=...", "Write File=...") for the
// current driver's script.
void RunInternalDriver(const std::string& request);
