// The program's entry.

#include <windows.h>

#include "platform/Platform.h"
#include "platform/System.h"
#include "support/PathOfF.h"
#include "support/ProgramPaths.h"
#include "win32/ModulePath.h"
#include "win32/Win32Platform.h"

namespace {

void SetProgramPaths() {
    ProgramPaths& paths = Paths();
    paths.dir = PathOfFile(OwnExecutablePath());
    paths.shortDir = Os().system->ShortPath(paths.dir);
    paths.exchangeFile = paths.shortDir + "tmpmfd.tmp";
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InstallWin32Platform();
    SetProgramPaths();
    // The application's windows and its message loop come with the application shell.
    return 0;
}
