#pragma once
// The settings file "Tervane5.INI" and the data files of the properties window.

#include <stdexcept>
#include <string>
#include <string_view>

class TVersionLabel;

// Opened by its bare name: the system keeps it in the Windows directory, apart from the
// program directory.
constexpr const char* kSettingsFile = "Tervane5.INI";
// In the program directory.
constexpr const char* kMailingListFile = "MailingList.dat";
constexpr const char* kActiveMailersFile = "ActiveMailers.dat";
constexpr const char* kDistInfoFile = "DistInfo.Dat";

// The settings file refused a value: "Unable to write to Tervane5.INI".
class SettingsWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The About page's label VersionLabel1: this program's "FileVersion" in the string table
// "080904E4" behind "File Version:". Its text is stored as the Version setting, and
// ReadPGPIdentity reads PGP's version strings through it.
TVersionLabel& VersionLabel1();

// A settings value as an integer: decimal with an optional "-", or hexadecimal after "0x",
// "0X" or "$"; defaultValue for anything else and for values that do not fit 32 bits.
int ProfileInteger(std::string_view text, int defaultValue);

// Fills the properties model and the shell state from disk. Runs at start-up and again for
// the properties window's Cancel. Throws SettingsWriteError when the settings file cannot be
// written; the steps after the failing write are not done.
void LoadSettings();

// Writes the properties model to disk; the properties window's OK. Throws
// SettingsWriteError as LoadSettings does.
void SaveSettings();

// Writes the tip state (TipNumber, TipEnabled) and sets the Options page's "&Enable" box to
// the enabled flag. Runs after every change of either. Throws SettingsWriteError as
// LoadSettings does.
void SaveTipSettings();

// Reads the distribution note ([General] DistInfo of "DistInfo.Dat") into the shell state;
// empty when the file or the key is absent. Once, at start-up.
void LoadDistInfo();
