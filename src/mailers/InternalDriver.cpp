#include "mailers/InternalDriver.h"

#include "support/deblog.h"

// This build carries no internal driver yet: the request is logged and nothing is written,
// so the caller reads an empty reply, as from a driver that could not run.
void RunInternalDriver(const std::string& request) {
    WriteDebugLog("Internal driver not available in this build: " + request);
}
