#include "TrayWindow.h"

#include <exception>
#include <string>

#include "CommandLog.h"
#include "Commands.h"
#include "StandinFiles.h"

namespace {

LRESULT CALLBACK TrayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            // Nothing may escape into the system's code that called us.
            try {
                RunCommand(window, LOWORD(wParam));
            } catch (const std::exception& error) {
                CommandLog(FilesBesideProgram().Log()).Note(std::string("failed: ") + error.what());
            } catch (...) {
                CommandLog(FilesBesideProgram().Log()).Note("failed");
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

HWND CreateTrayWindow(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = TrayWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kTrayWindowClass;
    if (!RegisterClassA(&windowClass)) {
        return nullptr;
    }
    // Top-level and never shown; senders find it by its class name.
    return CreateWindowExA(0, kTrayWindowClass, "PGPtray", WS_OVERLAPPED, 0, 0, 0, 0, nullptr,
                           nullptr, instance, nullptr);
}
