#pragma once
// The properties window's rules apart from the mailer lists: what it enables and shows, its
// pages, the mailing-list address editor, the About text, the super debug switch and the
// direct access to PGP's programs. The window shows Props() and Shell() and calls these;
// after each action of the user it runs RefreshPropsWindow and applies what it returns.

#include <string>

// What the window's controls must look like after a refresh.
struct PropsView {
    bool addEnabled = false;        // "A&dd"
    bool removeEnabled = false;     // "Remo&ve"
    bool mailerTabsShown = false;   // the tabs of the Routine, Special and Options pages
    bool noticeShown = false;       // "No mailers are in the Active list. ..."
    bool showMailerChoice = false;  // the Active list is empty: the window must show itself,
                                    // on the Mailer Choice page, when it is hidden
};

// Lets pending messages be handled, then works out the controls' state from the model and
// sets the same-driver marks of the Active list. With an empty Active list it selects the
// Mailer Choice page.
PropsView RefreshPropsWindow();

// Makes the page of that index, counted over all pages whether their tab is shown or not,
// the recent page and returns it. An index of no page selects none and leaves the recent
// page alone: -1.
int SelectPage(int page);

// The help topic of a page for F1 over its controls; the Special page has none of its own,
// and an index of no page none: 0.
int PageHelpContext(int page);

// The topic that "&Help" opens: the recent page's, counted from the Routine page's (so the
// Special page has one here). A recent page that is no page counts as the Routine page.
int HelpButtonContext();

// A run reads the mailer lists and the current driver, and uses the window: while one is in
// progress, the mailer lists, Details, OK, Cancel and Unload do nothing.
bool RunLocksProps();

// "A&dd": the address edit's text, exactly as typed, joins the end of the mailing list and
// the edit is emptied. False when the text is blanks only, which cannot be added.
bool AddAddress();

// "Remo&ve": the selected address goes back into the edit and leaves the list. False
// without a selection.
bool RemoveAddress();

// Composes the About text from this program's file version (the version label's text
// without its prefix), the paths and PGP's identity.
void FillAboutText(const std::string& ownFileVersion);

// A key pressed anywhere in the window. Ctrl+Alt with the key code 65 or 97 asks whether to
// flip the super debug flag; true when the key was that one.
bool PropsKeyDown(int keyCode, bool ctrlHeld, bool altHeld);

// Starts one of PGP's programs from the PGP directory. A start that fails is fatal: false.
bool RunPGPItem(const std::string& programFile);

// "PGP&Tray": starts PGP's tray program unless it is running already.
void RunPGPTray();

// "Hel&p File": the full path of the first PGP help file in the PGP directory; empty when
// there is none.
std::string FindPGPHelpFile();
