#include "BinaryStdout.h"

#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

void SetBinaryStdout() {
    _setmode(_fileno(stdout), _O_BINARY);
}
#else
void SetBinaryStdout() {}
#endif
