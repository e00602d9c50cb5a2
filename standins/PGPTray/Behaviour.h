#pragma once
// What the settings file "PGPTray.ini" asks of the stand-in, section [Behaviour]; each key
// is on when its value is a non-zero number. Read anew for each command.

#include <string>

struct Behaviour {
    bool cancel = false;             // Cancel: act as if the user cancelled PGP's dialog
    bool holdOpen = false;           // HoldOpen: keep each command open behind a message box
    bool noEncryptedOutput = false;  // NoEncryptedOutput: encrypting leaves the plain text
};

Behaviour ReadBehaviour(const std::string& settingsPath);

// The keys and their values, one "Key=0|1" line each, for the preferences window.
std::string DescribeBehaviour(const Behaviour& behaviour);
