#pragma once
// Answers the three driver requests for a mailer described by a layout. The program
// driver and the script interpreter differ only in where the layout comes from.

#include "DriverRequest.h"
#include "MailerLayout.h"

namespace maildriver {

// Exit codes of the drivers. On every code but kDone no exchange file was written.
enum ExitCode : int {
    kDone = 0,
    kNoWindow = 1,       // no window of the mailer (of a writable kind, for a write)
    kBadRequest = 2,     // an unknown request, or one without a path
    kFileError = 3,      // the exchange file cannot be read or written
    kScriptMissing = 4,  // the script interpreter found no script
};

// "Data File=": Information and Short. "read File=": the front-most mailer window's Wtype
// and fields. "Write File=": the file's body into the front-most writable window's body.
ExitCode ServeRequest(const MailerLayout& layout, const DriverRequest& request);

}  // namespace maildriver
