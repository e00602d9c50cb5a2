#include "support/ProgramPaths.h"

ProgramPaths& Paths() {
    static ProgramPaths paths;
    return paths;
}
