#include "shell/Unload.h"

#include "platform/Application.h"
#include "platform/Platform.h"
#include "support/error.h"

void UnloadProgram() {
    Checkpoint() = 99999;
    Os().application->Terminate();
}
