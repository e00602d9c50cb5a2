#include "mailers/MFDDirectory.h"

#include <unordered_set>

#include "mailers/ListBoxOrder.h"
#include "platform/FileError.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "platform/Profiles.h"
#include "support/ProgramPaths.h"
#include "support/deblog.h"
#include "support/fileutil.h"
#include "support/strutil.h"

namespace {

const std::string kGap(kEntryGap, ' ');

// Where the gap starts: the last run before the last byte that is not a blank, or, for an
// entry without a driver file, the blanks at the end; npos when there is none.
std::size_t GapOf(std::string_view entryText) {
    const std::size_t last = entryText.find_last_not_of(' ');
    if (last != std::string_view::npos) {
        if (const std::size_t gap = entryText.rfind(kGap, last); gap != std::string_view::npos) {
            return gap;
        }
    }
    const std::size_t end = last == std::string_view::npos ? 0 : last + 1;
    return entryText.size() - end >= kEntryGap ? end : std::string_view::npos;
}

bool Contains(std::string_view text, char c) {
    return text.find(c) != std::string_view::npos;
}

// Field n (from 0) of a line split at "!".
std::string Field(std::string_view line, int n) {
    std::size_t start = 0;
    for (int i = 0; i < n; ++i) {
        start = line.find('!', start);
        if (start == std::string_view::npos) {
            return {};
        }
        ++start;
    }
    return std::string(line.substr(start, line.find('!', start) - start));
}

std::vector<std::string> ActiveTexts() {
    const std::string path = Paths().dir + "ActiveMailers.dat";
    return SplitLines(ReadFileString(path));
}

// ReadFileString gives "" for a missing file; the library file must be there.
std::string ReadLibraryFile(const std::string& path) {
    if (!Os().files->Exists(path)) {
        throw FileError(kErrorFileNotFound, FileStep::Open, "Cannot open file " + path);
    }
    return ReadFileString(path);
}

// The driver field names a file of the drivers folder: a separator, a drive or ".." would
// let a line of the library start a program anywhere else.
bool IsDriverFileName(const std::string& driver) {
    return driver.find_first_of("\\/:") == std::string::npos &&
           driver.find("..") == std::string::npos;
}

// The lines lower-cased, so that an entry text is matched against all of them at once.
std::unordered_set<std::string> LowerCased(const std::vector<std::string>& lines) {
    std::unordered_set<std::string> lowered;
    for (const std::string& line : lines) {
        lowered.insert(LowerAscii(line));
    }
    return lowered;
}

}  // namespace

std::string EntryText(const MailerEntry& entry) {
    return entry.DisplayName + kGap + entry.DriverFile;
}

std::string DriverFileOf(std::string_view entryText) {
    const std::size_t gap = GapOf(entryText);
    return gap == std::string_view::npos ? std::string()
                                         : TrimBlanks(entryText.substr(gap + kEntryGap));
}

std::string DisplayNameOf(std::string_view entryText) {
    const std::size_t gap = GapOf(entryText);
    if (gap == std::string_view::npos) {
        return {};
    }
    const std::string_view name = entryText.substr(0, gap);
    return std::string(name.substr(0, name.find_last_not_of(' ') + 1));
}

MailerEntry ParseLibraryLine(std::string_view line) {
    return {Field(line, 0), Field(line, 1), Field(line, 2)};
}

bool IsExclusive(const MailerEntry& entry) {
    return Contains(entry.Flags, '0');
}

bool IsOffered(const MailerEntry& entry, const std::string& directory) {
    return !Contains(entry.Flags, '5') && !Contains(entry.Flags, '-') &&
           Os().files->Exists(directory + "\\" + entry.DriverFile);
}

void LoadMailerLibrary() {
    MailerLibrary& m = Mailers();
    m.directory = Os().profiles->ReadSystem("Mail Form Drivers", "Path", "");
    m.libraryLoaded = false;
    m.activeLinesRead = ActiveTexts();
    const std::unordered_set<std::string> activeTexts = LowerCased(m.activeLinesRead);
    m.exclusiveDrivers.clear();
    m.library.clear();
    m.active.clear();
    m.sameDriverMarks.clear();
    for (const std::string& line : SplitLines(ReadLibraryFile(m.directory + "\\SELECTG.DAT"))) {
        const MailerEntry entry = ParseLibraryLine(line);
        if (!IsDriverFileName(entry.DriverFile)) {
            WriteDebugLog("SELECTG.DAT: the line of \"" + entry.DisplayName +
                          "\" is ignored, its driver is not a file of the drivers folder: " +
                          entry.DriverFile);
            continue;
        }
        if (IsExclusive(entry)) {
            m.exclusiveDrivers.push_back(entry.DriverFile);
        }
        if (IsOffered(entry, m.directory)) {
            const std::string text = EntryText(entry);
            (activeTexts.contains(LowerAscii(text)) ? m.active : m.library).push_back(text);
        }
    }
    SortLikeListBox(m.library);
    SortLikeListBox(m.active);
    m.libraryLoaded = true;
    BuildActiveDriverList();
}

const std::vector<std::string>& ActiveLinesToSave(const MailerLibrary& mailers) {
    return mailers.libraryLoaded ? mailers.active : mailers.activeLinesRead;
}

bool HasSameDriverMark(const MailerLibrary& mailers, int row) {
    return row >= 0 && row < static_cast<int>(mailers.sameDriverMarks.size()) &&
           mailers.sameDriverMarks[static_cast<std::size_t>(row)];
}

// Of drivers that differ in letter case only, the one of the first row stays: sorting
// keeps equal keys in row order.
void BuildActiveDriverList() {
    MailerLibrary& m = Mailers();
    std::vector<std::string> drivers;
    drivers.reserve(m.active.size());
    for (const std::string& text : m.active) {
        drivers.push_back(DriverFileOf(text));
    }
    m.activeDrivers.clear();
    const std::vector<KeyedText> sorted = SortedByKey(drivers);
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        if (i == 0 || sorted[i].key != sorted[i - 1].key) {
            m.activeDrivers.push_back(sorted[i].text);
        }
    }
}
