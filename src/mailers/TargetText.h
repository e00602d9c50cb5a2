#pragma once
// Reading and writing the text of the window that the internal driver works on.

#include <string>

// The message shown when a Unicode window's text holds characters that the system's code
// page cannot hold, and which is therefore not read.
constexpr const char* kTextNotInCodePage =
    "The window's text holds characters that this system's code page for non-Unicode "
    "programs cannot hold, so Tervane 5 did not read it: those characters would have been "
    "lost. Replace or remove them (or choose a code page that holds them in the system's "
    "language settings) and try again.";

// Told when the result goes to the clipboard instead of into a window.
constexpr const char* kResultOnClipboardForMenuCopy =
    "Tervane 5 cannot write into this window. The result is on the clipboard, ready to "
    "paste into the window.";
constexpr const char* kResultOnClipboardNoWindow =
    "The result was not written into any window. It is on the clipboard, ready to paste "
    "where you want it.";

// The text of the window that the user confirms; empty when no window qualifies, the user
// answers No, or the text cannot be read whole.
std::string ReadTargetText();

// Puts the text into the window that the user confirms, when its text is replaced by
// message. Otherwise the text is left on the clipboard and the user is told so: a window
// whose text was copied by menu cannot be written, and the caller has already emptied the
// clipboard. Only a window that will be written is confirmed.
void WriteTargetText(const std::string& text);
