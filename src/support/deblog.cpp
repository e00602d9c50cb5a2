#include "support/deblog.h"

#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "support/ProgramPaths.h"
#include "support/fileutil.h"

std::string DebugLogPath() {
    return Paths().dir + kDebugLogName;
}

// Each entry is handed to the system before returning, so a crash loses none. A log that
// cannot be written is given up on: the error reporter logs too, and a failing log must
// neither stop the program nor hide the report it was writing.
void WriteDebugLog(const std::string& text) {
    IClock& clock = *Os().clock;
    const LocalTime now = clock.Now();
    const std::string entry =
        clock.ShortDateText(now) + " " + clock.LongTimeText(now) + ": " + text + "\r\n";
    try {
        Os().files->Append(DebugLogPath(), entry);
    } catch (const FileError&) {
    }
}

void TrimDebugLog() {
    TrimFileToSizeCosmetic(DebugLogPath(), kDebugLogLimit);
    WriteDebugLog("Log trimmed");
}
