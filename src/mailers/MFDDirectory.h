#pragma once
// The mailer library: the mailers whose Mail Form Drivers are installed in the drivers
// directory named by WIN.INI, which of them the user made active, and the driver lists that
// detection and driver calls walk.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// One line of the library file "SELECTG.DAT".
struct MailerEntry {
    std::string DisplayName;
    std::string Flags;
    std::string DriverFile;  // relative to the drivers directory
};

// The blanks between the display name and the driver file of an entry text; they push the
// file name out of sight in the list boxes.
constexpr std::size_t kEntryGap = 200;

// The text by which an entry is shown, saved and matched: the display name, kEntryGap blanks,
// the driver file.
std::string EntryText(const MailerEntry& entry);

// The gap of an entry text is its last run of kEntryGap blanks, blanks at its very end not
// counted: the visible part in front (a display name, a window caption, a description) may
// hold such a run of its own, and must not cut the driver file short there.

// The text after the gap, without surrounding blanks and control characters; empty when
// there is no gap. A display mark in front does not matter.
std::string DriverFileOf(std::string_view entryText);

// The text before the gap, without blanks at its end; empty when there is no gap.
std::string DisplayNameOf(std::string_view entryText);

// The fields of a library line, separated by "!": name, flags, driver file. Missing fields
// are empty; later fields are ignored; nothing is trimmed.
MailerEntry ParseLibraryLine(std::string_view line);

// Its mailer may not share the Active list with another mailer.
bool IsExclusive(const MailerEntry& entry);

// Shown to the user at all: not withdrawn by its flags, and its driver file is installed in
// the directory.
bool IsOffered(const MailerEntry& entry, const std::string& directory);

// The program-wide state of the mailer side; one while the program runs.
struct MailerLibrary {
    std::string directory;                      // the drivers directory, without a trailing "\"
    std::vector<std::string> exclusiveDrivers;  // in library file order
    std::vector<std::string> library;           // entry texts, sorted as the list box sorts
    std::vector<std::string> active;            // entry texts, sorted as the list box sorts
    // Per Active row: shown with a leading "=" as sharing the selected row's driver file. A
    // flag beside the text, never in it: the text is saved and matched as the library has it.
    std::vector<bool> sameDriverMarks;
    std::vector<std::string> activeDrivers;  // sorted and unique, letter case ignored
    std::string currentDriver;               // the driver every driver call runs
    // The lines of "ActiveMailers.dat" as start-up read them, and whether the library file
    // could be read: until it could, the Active list is empty only for want of the library,
    // and these lines are what is saved, so that the user's choice is not lost.
    std::vector<std::string> activeLinesRead;
    bool libraryLoaded = false;
    int chosenRow = 0;  // the chooser's row last selected
    // The position of the menu item that a menu search found last, kept from one search to
    // the next: a search that finds nothing leaves it as it was.
    int lastMenuPosition = 0;
};

MailerLibrary& Mailers();

// Fills Mailers() at start-up from WIN.INI, "ActiveMailers.dat" and the library file; the
// current driver is left alone. Throws FileError when the library file is missing or cannot
// be read, with the Active lines read and the library not loaded.
void LoadMailerLibrary();

// Whether the Active row carries the same-driver mark; a row beyond the flags carries none.
bool HasSameDriverMark(const MailerLibrary& mailers, int row);

// What "ActiveMailers.dat" is to hold: the Active entry texts, or, while the library is not
// loaded, the lines read at start-up.
const std::vector<std::string>& ActiveLinesToSave(const MailerLibrary& mailers);

// Rebuilds the Active driver list from the Active entry texts.
void BuildActiveDriverList();
