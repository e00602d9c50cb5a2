#pragma once
// The mailer library's loading and the Active driver list taken literally: each offered
// entry is compared with every line of "ActiveMailers.dat", every comparison and every sort
// step lowers both texts anew, and each driver is inserted into a sorted vector. Its time
// grows with the library times the Active lines; the benchmark's baseline and the tests'
// reference for LoadMailerLibrary and BuildActiveDriverList.

#include <algorithm>
#include <string>
#include <vector>

#include "mailers/MFDDirectory.h"
#include "platform/FileError.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "platform/Profiles.h"
#include "support/ProgramPaths.h"
#include "support/fileutil.h"
#include "support/strutil.h"

namespace literal {

inline bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return LowerAscii(a) < LowerAscii(b);
}

inline bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return LowerAscii(a) == LowerAscii(b);
}

inline bool IsIn(const std::vector<std::string>& texts, const std::string& text) {
    return std::any_of(texts.begin(), texts.end(),
                       [&](const std::string& t) { return EqualIgnoringCase(t, text); });
}

inline void SortLikeListBox(std::vector<std::string>& texts) {
    std::stable_sort(texts.begin(), texts.end(), LessIgnoringCase);
}

inline void BuildActiveDriverList() {
    MailerLibrary& m = Mailers();
    m.activeDrivers.clear();
    for (const std::string& text : m.active) {
        const std::string driver = DriverFileOf(text);
        const auto at = std::lower_bound(m.activeDrivers.begin(), m.activeDrivers.end(), driver,
                                         LessIgnoringCase);
        if (at == m.activeDrivers.end() || !EqualIgnoringCase(*at, driver)) {
            m.activeDrivers.insert(at, driver);
        }
    }
}

inline void LoadMailerLibrary() {
    MailerLibrary& m = Mailers();
    m.directory = Os().profiles->ReadSystem("Mail Form Drivers", "Path", "");
    m.libraryLoaded = false;
    m.activeLinesRead = SplitLines(ReadFileString(Paths().dir + "ActiveMailers.dat"));
    const std::vector<std::string>& activeTexts = m.activeLinesRead;
    m.exclusiveDrivers.clear();
    m.library.clear();
    m.active.clear();
    m.sameDriverMarks.clear();
    const std::string libraryPath = m.directory + "\\SELECTG.DAT";
    if (!Os().files->Exists(libraryPath)) {
        throw FileError(kErrorFileNotFound, FileStep::Open, "Cannot open file " + libraryPath);
    }
    for (const std::string& line : SplitLines(ReadFileString(libraryPath))) {
        const MailerEntry entry = ParseLibraryLine(line);
        if (IsExclusive(entry)) {
            m.exclusiveDrivers.push_back(entry.DriverFile);
        }
        if (IsOffered(entry, m.directory)) {
            const std::string text = EntryText(entry);
            (IsIn(activeTexts, text) ? m.active : m.library).push_back(text);
        }
    }
    SortLikeListBox(m.library);
    SortLikeListBox(m.active);
    m.libraryLoaded = true;
    BuildActiveDriverList();
}

}  // namespace literal
