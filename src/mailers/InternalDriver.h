#pragma once
// The internal driver: serves mailers whose script declares itself "Internal" inside the
// program, without a driver process. It knows no particular mailer: it works on the window
// that the user confirms among those whose class the class lists name.

#include <string>

#include "core/MFDData.h"

// A request as the internal driver reads it: lower-cased as a whole, the mode before its
// first blank (empty without one) and the file after its first "file=" (empty without one).
struct InternalRequest {
    std::string mode;
    std::string file;
};

InternalRequest ParseInternalRequest(const std::string& request);

// The reply to "data" (for an empty text) and to "read": Short ">None<", so that detection
// counts the mailer as running, and the text as the body: incoming when it holds a PGP
// block, outgoing mail otherwise, no window type when it is empty.
TMFDData InternalReply(const std::string& text);

// Carries out the request ("Data File=...", "read File=...", "Write File=..."); anything
// else does nothing. "Write" without a body in its file neither searches nor asks.
void RunInternalDriver(const std::string& request);
