#pragma once
// The conversation with PGP's tray program: it is found or started, and each command goes
// to its hidden window as a menu command that it carries out on the clipboard's text.

#include <string>

#include "platform/WindowApi.h"

class TVersionLabel;

constexpr const char* kPGPtrayClass = "PGPtray_Hidden_Window";
constexpr unsigned kDefaultPGPCommandId = 40016;

// The menu command identifier of a command text; kDefaultPGPCommandId for any text not in
// the table, the empty text included.
unsigned PGPCommandId(const std::string& command);

// The command line that starts PGP's tray program: its path in the short form, or in quotes
// where there is none, keeps a path with blanks in one piece, so that "C:\Program Files\..."
// cannot start a planted "C:\Program.exe".
std::string TrayStartCommand(const std::string& programPath);

// The tray program's hidden window; 0 when it is not running.
WindowId FindPGPtray();

// Delivers the command to the tray program, starting the program first when it is not
// running. The input text must be on the clipboard. True when the command was delivered
// and, for an encrypting command, the clipboard now holds an encrypted message.
bool InvokePGP(const std::string& command);

// Reads PGPFileVersion and PGPProductName of the core's state from the version resource of
// the PGP main program (the own program's when the path is empty) through the label, which is left
// with the key "FileVersion" and that key as its caption.
void ReadPGPIdentity(TVersionLabel& label);
