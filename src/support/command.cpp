#include "support/command.h"

#include "platform/Platform.h"
#include "platform/System.h"

// The arguments are joined as they come, without blanks: the log shows them so.
std::string CommandLineText() {
    std::string text;
    for (const std::string& arg : Os().system->CommandLineArgs()) {
        text += arg;
    }
    return text;
}

// Short forms hold no blanks; a long path on a volume without short names does, and
// Windows would split it at the first one.
std::string ProgramPart(const std::string& program) {
    return program.find(' ') == std::string::npos ? program : '"' + program + '"';
}
