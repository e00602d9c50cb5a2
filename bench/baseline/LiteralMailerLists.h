#pragma once
// The moves between the Library and the Active list taken literally: each entry of a group
// is inserted on its own, found by a walk that lowers every row, and the Active list is
// cleared one group at a time, with the Active driver list rebuilt after each. Its time
// grows with the entries moved times the list; the tests' reference for MakeActive,
// ReturnToLibrary and ClearActiveList.

#include <algorithm>
#include <string>
#include <vector>

#include "bench/baseline/LiteralMailerLibrary.h"
#include "shell/MailerLists.h"
#include "shell/PropsModel.h"

namespace literal {

struct SortedList {
    std::vector<std::string>& rows;
    int& selected;
    std::vector<bool>* marks = nullptr;

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

inline SortedList LibraryList() {
    return {Mailers().library, Props().selectedLibrary};
}

inline SortedList ActiveList() {
    return {Mailers().active, Props().selectedActive, &Mailers().sameDriverMarks};
}

inline void MoveGroup(SortedList from, SortedList to, const std::string& driver) {
    for (int row = static_cast<int>(from.rows.size()) - 1; row >= 0; --row) {
        const std::string text = from.rows[static_cast<std::size_t>(row)];
        if (DriverFileOf(text) == driver) {
            to.AddAndSelect(text);
            from.Erase(row);
        }
    }
    from.selected = -1;
}

// MakeActive where no exclusive driver is involved.
inline void MakeActive() {
    const std::string chosen = Mailers().library[static_cast<std::size_t>(Props().selectedLibrary)];
    MoveGroup(LibraryList(), ActiveList(), DriverFileOf(chosen));
    ::MarkSameDriver();
    BuildActiveDriverList();
}

inline void ReturnToLibrary() {
    const std::string selected = Mailers().active[static_cast<std::size_t>(Props().selectedActive)];
    MoveGroup(ActiveList(), LibraryList(), DriverFileOf(selected));
    BuildActiveDriverList();
}

inline void ClearActiveList() {
    std::vector<std::string>& library = Mailers().library;
    const int selected = Props().selectedLibrary;
    const std::string remembered = selected >= 0 && selected < static_cast<int>(library.size())
                                       ? library[static_cast<std::size_t>(selected)]
                                       : std::string();
    while (!Mailers().active.empty()) {
        Props().selectedActive = 0;
        ReturnToLibrary();
    }
    const std::string key = LowerAscii(remembered);
    const auto at = std::find_if(library.begin(), library.end(),
                                 [&](const std::string& row) { return LowerAscii(row) == key; });
    Props().selectedLibrary = at == library.end() ? -1 : static_cast<int>(at - library.begin());
}

}  // namespace literal
