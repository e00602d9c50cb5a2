#include "shell/MailerLists.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <unordered_map>
#include <vector>

#include "mailers/ListBoxOrder.h"
#include "mailers/MFDDirectory.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "shell/PropsModel.h"
#include "support/strutil.h"

namespace {

// One of the two sorted list boxes: its rows, its selected row (-1 for none) and, for the
// Active list, the rows' same-driver marks. The rows are in list order (ListBoxOrder.h).
struct SortedList {
    std::vector<std::string>& rows;
    int& selected;
    std::vector<bool>* marks = nullptr;

    int Count() const { return static_cast<int>(rows.size()); }
    bool HasSelection() const { return selected >= 0 && selected < Count(); }
    const std::string& Selected() const { return rows[static_cast<std::size_t>(selected)]; }

    // Adds the texts as if one after the other, each where the list box sorts it: after the
    // rows equal to it but for letter case, as the library was sorted at load. Selects the
    // last. One merge, however many texts. A list with marks has them cleared: the Active
    // list is marked anew after every addition.
    void AddAll(const std::vector<std::string>& texts) {
        if (texts.empty()) {
            return;
        }
        const std::vector<KeyedText> present = Keyed(rows);
        const std::vector<KeyedText> added = SortedByKey(texts);
        std::vector<KeyedText> merged;
        merged.reserve(present.size() + added.size());
        std::merge(present.begin(), present.end(), added.begin(), added.end(),
                   std::back_inserter(merged), KeyLess);
        rows.clear();
        for (KeyedText& row : merged) {
            rows.push_back(std::move(row.text));
        }
        const KeyedText last{LowerAscii(texts.back()), {}};
        selected = static_cast<int>(std::upper_bound(merged.begin(), merged.end(), last, KeyLess) -
                                    merged.begin()) -
                   1;
        if (marks) {
            marks->assign(rows.size(), false);
        }
    }

    // Takes out the rows for which `taken` holds, in row order, each with its mark.
    template <typename Predicate>
    std::vector<std::string> Take(Predicate taken) {
        std::vector<std::string> out, kept;
        std::vector<bool> keptMarks;
        for (std::size_t row = 0; row < rows.size(); ++row) {
            const bool take = taken(rows[row]);
            (take ? out : kept).push_back(std::move(rows[row]));
            if (marks && row < marks->size() && !take) {
                keptMarks.push_back((*marks)[row]);
            }
        }
        if (marks && marks->size() > rows.size()) {
            keptMarks.insert(keptMarks.end(), marks->begin() + rows.size(), marks->end());
        }
        rows = std::move(kept);
        if (marks) {
            *marks = std::move(keptMarks);
        }
        return out;
    }
};

SortedList Library() {
    return {Mailers().library, Props().selectedLibrary};
}

SortedList Active() {
    return {Mailers().active, Props().selectedActive, &Mailers().sameDriverMarks};
}

// Each entry moved becomes the selection of the receiving list in turn, from the group's
// last row to its first, so that the group's first entry ends up selected. The entry
// selected in the giving list is one of the group, so that list is left without a
// selection.
void MoveGroup(SortedList from, SortedList to, const std::string& driver) {
    std::vector<std::string> group =
        from.Take([&](const std::string& text) { return DriverFileOf(text) == driver; });
    std::reverse(group.begin(), group.end());
    to.AddAll(group);
    from.selected = -1;
}

// The Active entries in the order in which returning the group of the first row, again and
// again, hands them to the Library: group after group, each from its last row to its first.
std::vector<std::string> InReturnOrder(std::vector<std::string> rows) {
    std::unordered_map<std::string, std::size_t> groupOf;
    std::vector<std::vector<std::string>> groups;
    for (std::string& row : rows) {
        const auto [at, isNew] = groupOf.try_emplace(DriverFileOf(row), groups.size());
        if (isNew) {
            groups.emplace_back();
        }
        groups[at->second].push_back(std::move(row));
    }
    std::vector<std::string> order;
    order.reserve(rows.size());
    for (std::vector<std::string>& group : groups) {
        order.insert(order.end(), std::make_move_iterator(group.rbegin()),
                     std::make_move_iterator(group.rend()));
    }
    return order;
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

// The whole list moves in one merge; the result is that of returning the first row's group
// until the list is empty.
void ClearActiveList() {
    SortedList library = Library();
    const std::string remembered = library.HasSelection() ? library.Selected() : std::string();
    SortedList active = Active();
    if (!active.rows.empty()) {
        library.AddAll(InReturnOrder(active.Take([](const std::string&) { return true; })));
        active.selected = -1;
        BuildActiveDriverList();
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
