#include "win32/HelpFile.h"

#include <string>

#include "support/AppInfo.h"
#include "support/ProgramPaths.h"

void OpenHelpTopic(HWND window, int helpContext) {
    const std::string helpFile = Paths().dir + kHelpFileName;
    WinHelpA(window, helpFile.c_str(), HELP_CONTEXT, static_cast<ULONG_PTR>(helpContext));
}
