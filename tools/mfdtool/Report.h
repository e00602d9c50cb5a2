#pragma once
// What mfdtool prints for a record, a classification and a decision.

#include <string>

#include "core/Decision.h"
#include "core/MFDData.h"
#include "core/PGPBlocks.h"

// One "Name=value" line per field of the record, in its declared order.
std::string RecordReport(const TMFDData& data);

// "HasPGPBlock=...", "HasPublicKey=...", "HasSigned=...", "HasMessage=..." lines.
std::string BlocksReport(const TPGPBlocks& blocks);

// "command=...", or "stop=...", or "confirm=..." followed by "command=...".
std::string DecisionReport(const RunDecision& decision);
