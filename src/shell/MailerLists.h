#pragma once
// The user's moves between the Library and the Active list of the properties window: the
// entry texts live in Mailers(), the selections in Props(). Mailers that share a driver
// file always move together. Each move needs a selected entry and does nothing without one;
// the window refreshes its controls after each.

// The two lists, and where a dragged entry can be let go.
enum class MailerList { Library, Active };
enum class DropPlace { Library, Active, NoMailersNotice, Elsewhere };

// A drag from a list that ends at a place moves that list's selected entry: the Library's
// onto the Active list or onto the notice that covers it while it is empty, the Active
// list's onto the Library. False for any other drop.
bool DropMoves(MailerList from, DropPlace onto);

// Moves the selected Library entry's group to the Active list, after the user has agreed
// to clear the Active list where an exclusive driver demands it, and makes the last entry
// moved the Active selection. False when nothing moved.
bool MakeActive();

// Moves the selected Active entry's group back to the Library, leaving its marks behind,
// and makes the last entry moved the Library selection.
void ReturnToLibrary();

// Returns every Active entry to the Library, keeping the Library selection on the entry
// that was selected before.
void ClearActiveList();

// Marks (shown with a leading "=") every other Active entry whose driver file is exactly
// the selected entry's, and unmarks the rest. Entries keep their rows. Without an Active
// selection the marks stay as they are.
void MarkSameDriver();
