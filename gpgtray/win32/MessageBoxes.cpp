#include "MessageBoxes.h"

#include <windows.h>

#include "Captions.h"
#include "SystemCodePage.h"

namespace gpgtray {

namespace {

// The program runs in the background: its boxes come to the front, over every window.
int Show(const std::string& text, UINT kind) {
    return MessageBoxA(nullptr, SystemCodePage().FromUtf8(text).c_str(), kProgramTitle,
                       kind | MB_SETFOREGROUND | MB_TOPMOST);
}

}  // namespace

void ShowFailure(const std::string& text) {
    Show(text, MB_OK | MB_ICONERROR);
}

void ShowInformation(const std::string& text) {
    Show(text, MB_OK | MB_ICONINFORMATION);
}

bool AskYesNo(const std::string& text) {
    return Show(text, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

}  // namespace gpgtray
