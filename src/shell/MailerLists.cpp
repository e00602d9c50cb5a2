#include "shell/MailerLists.h"

#include <algorithm>
#include <string>
#include <vector>

#include "mailers/MFDDirectory.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "shell/PropsModel.h"
#include "support/strutil.h"

namespace {

// One of the two sorted list boxes: its rows, its selected row (-1 for none) and, for the
// Active list, the rows' same-driver marks.
struct SortedList {
    std::vector<std::string>& rows;
    int& selected;
    std::vector<bool>* marks = nullptr;

    int Count() const { return static_cast<int>(rows.size()); }
    bool HasSelection() const { return selected >= 0 && selected < Count(); }
    const std::string& Selected() const { return rows[static_cast<std::size_t>(selected)]; }

    // Adds the text where the list box sorts it (letter case ignored, after equal rows, as
    // the library was sorted at load) and selects it.
    void AddAndSelect(const std::string& text) {
        const std::string key = LowerAscii(text);
        const auto at = std::find_if(rows.begin(), rows.end(),
                                     [&](const std::string& row) { return key < LowerAscii(row); });
        const int row = static_cast<int>(at - rows.begin());
        rows.insert(at, text);
        if (marks && marks->size() >= static_cast<std::size_t>(row)) {
            marks->insert(marks->begin() + row, false);
        }
        selected = row;
    }

    void Erase(int row) {
        rows.erase(rows.begin() + row);
        if (marks && static_cast<std::size_t>(row) < marks->size()) {
            marks->erase(marks->begin() + row);
        }
    }
};

SortedList Library() {
    return {Mailers().library, Props().selectedLibrary};
}

SortedList Active() {
    return {Mailers().active, Props().selectedActive, &Mailers().sameDriverMarks};
}

// Walks from the last row to the first, each entry moved becoming the selection of the
// receiving list, so that the group's first entry ends up selected. The entry selected in
// the giving list is one of the group, so that list is left without a selection.
void MoveGroup(SortedList from, SortedList to, const std::string& driver) {
    for (int row = from.Count() - 1; row >= 0; --row) {
        const std::string text = from.rows[static_cast<std::size_t>(row)];
        if (DriverFileOf(text) == driver) {
            to.AddAndSelect(text);
            from.Erase(row);
        }
    }
    from.selected = -1;
}

bool IsExclusiveDriver(const std::string& driver) {
    const std::vector<std::string>& exclusive = Mailers().exclusiveDrivers;
    const std::string key = LowerAscii(driver);
    return std::any_of(exclusive.begin(), exclusive.end(),
                       [&](const std::string& d) { return LowerAscii(d) == key; });
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// Yes empties the Active list; any other answer abandons the move.
bool ClearedOnYes(const std::string& question) {
    if (Os().dialogs->AppMessageBox(question, MsgDlgType::Confirmation, kMbYesNo) != mrYes) {
        return false;
    }
    ClearActiveList();
    return true;
}

// An exclusive mailer already in the Active list must leave before another joins it.
bool ExclusiveActiveMakesWay(const std::string& chosen) {
    const std::vector<std::string>& active = Mailers().active;
    if (active.empty() || !IsExclusiveDriver(DriverFileOf(active.front()))) {
        return true;
    }
    const std::string first = DisplayNameOf(active.front());
    return ClearedOnYes(Quoted(DisplayNameOf(chosen)) + " cannot exist in the Active list with " +
                        Quoted(first) + "\r\n\nTo remove " + first +
                        " press Yes. To abandon this operation, press No");
}

// An exclusive mailer joins only an empty Active list.
bool OthersMakeWayForExclusive(const std::string& chosen) {
    if (Mailers().active.empty() || !IsExclusiveDriver(DriverFileOf(chosen))) {
        return true;
    }
    return ClearedOnYes("To use " + Quoted(DisplayNameOf(chosen)) +
                        " all other mailers will be removed from the Active list. Proceed?");
}

int RowIgnoringCase(const std::vector<std::string>& rows, const std::string& text) {
    const std::string key = LowerAscii(text);
    const auto at = std::find_if(rows.begin(), rows.end(),
                                 [&](const std::string& row) { return LowerAscii(row) == key; });
    return at == rows.end() ? -1 : static_cast<int>(at - rows.begin());
}

}  // namespace

bool DropMoves(MailerList from, DropPlace onto) {
    if (from == MailerList::Library) {
        return onto == DropPlace::Active || onto == DropPlace::NoMailersNotice;
    }
    return onto == DropPlace::Library;
}

bool MakeActive() {
    const SortedList library = Library();
    if (!library.HasSelection()) {
        return false;
    }
    const std::string chosen = library.Selected();
    if (!ExclusiveActiveMakesWay(chosen) || !OthersMakeWayForExclusive(chosen)) {
        return false;
    }
    MoveGroup(Library(), Active(), DriverFileOf(chosen));
    MarkSameDriver();
    BuildActiveDriverList();
    return true;
}

void ReturnToLibrary() {
    const SortedList active = Active();
    if (!active.HasSelection()) {
        return;
    }
    MoveGroup(active, Library(), DriverFileOf(active.Selected()));
    BuildActiveDriverList();
}

void ClearActiveList() {
    SortedList library = Library();
    const std::string remembered = library.HasSelection() ? library.Selected() : std::string();
    // Each return moves at least the first entry, so the loop ends.
    while (!Mailers().active.empty()) {
        Props().selectedActive = 0;
        ReturnToLibrary();
    }
    library.selected = RowIgnoringCase(library.rows, remembered);
}

void MarkSameDriver() {
    const SortedList active = Active();
    if (!active.HasSelection()) {
        return;
    }
    const std::string driver = DriverFileOf(active.Selected());
    std::vector<bool>& marks = *active.marks;
    marks.assign(active.rows.size(), false);
    for (int row = 0; row < active.Count(); ++row) {
        marks[static_cast<std::size_t>(row)] =
            row != active.selected &&
            DriverFileOf(active.rows[static_cast<std::size_t>(row)]) == driver;
    }
}
