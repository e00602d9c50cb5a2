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
