/* Holds Wine's virtual desktop open for a whole test run; wine-run starts it once.
 *
 * The desktop's explorer ends a second after the last program that uses the desktop, and
 * the next program that needs a window starts it again as its own child, passing on its
 * standard error: ctest then waits for that explorer to end before it finishes the test
 * (a second per test, or forever while any other program keeps the desktop in use). With
 * this program attached the explorer starts once, from here, holding no pipe of ctest's.
 *
 * Argument: a file to create once the desktop is up. */
#include <windows.h>

int main(int argc, char** argv) {
    /* Attaches to the desktop; the call returns once its explorer has set it up. */
    GetDesktopWindow();
    if (argc > 1) {
        HANDLE ready = CreateFileA(argv[1], GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, NULL);
        if (ready != INVALID_HANDLE_VALUE) {
            CloseHandle(ready);
        }
    }
    Sleep(INFINITE);
    return 0;
}
