#pragma once
// Finding the window whose text the internal driver reads and writes: the largest window
// on the screen whose class is named in one of two class lists of the drivers directory.

#include <optional>
#include <string>

#include "platform/WindowApi.h"

// How a window's text is read, by the list that names its class.
enum class TargetKind {
    MenuCopy,       // "Select All" and "Copy" of its Edit menu, then the clipboard; never written
    TextByMessage,  // asked of the window itself, and replaced the same way
};

// The class lists: one class name per line, every line ended by CR LF.
constexpr const char* kSelAllList = "SelAll.AC";  // menu copy
constexpr const char* kGetSetList = "GetSet.AC";  // text by message

struct TargetWindow {
    WindowId window = 0;
    TargetKind kind = TargetKind::TextByMessage;
    bool found = false;
};

// The kind that the lists' texts give a class. A class is listed where its name followed by
// CR LF occurs anywhere in a list, letter case respected, so a line also lists every name
// that it ends with, and a last line without CR LF lists nothing. A class in both lists is
// copied by menu.
std::optional<TargetKind> ListedKind(const std::string& className, const std::string& selAllText,
                                     const std::string& getSetText);

// The window that qualifies with the largest area, the first visited among equals, with the
// class lists read afresh; not found when none does. A window qualifies when it is no
// password field, its class is listed, it is wider and higher than 150 pixels, neither it nor
// any ancestor is minimised, and it is none of the program's main window's. Nobody is asked.
TargetWindow SearchTargetWindow();

// SearchTargetWindow, then the user's confirmation of the window; found only when the user
// answered Yes.
TargetWindow FindTargetWindow();
