#include "win32/Win32Platform.h"

Platform Win32Platform::Services() {
    return Platform{&files,    &clock,         &dialogs,   &application, &system,
                    &windows,  &clipboard,     &processes, &ui,          &versionInfo,
                    &profiles, &mailerWindows, &tipWindow};
}
