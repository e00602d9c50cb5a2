// Fuzzes the loading of the mailer library: the input is a flags byte (bit 0: the library
// file is missing), then "SELECTG.DAT" and "ActiveMailers.dat", separated by the first
// "\n@@\n". Every driver file that the library names is installed.

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzPlatform.h"
#include "mailers/MFDDirectory.h"
#include "platform/FileError.h"
#include "shell/settings.h"
#include "support/strutil.h"

namespace {

constexpr std::string_view kPartSeparator = "\n@@\n";

// The fields of a library line give the line back up to its third "!".
void CheckLibraryLine(const std::string& line, const MailerEntry& entry) {
    for (const std::string* field : {&entry.DisplayName, &entry.Flags, &entry.DriverFile}) {
        FUZZ_CHECK(field->find('!') == std::string::npos);
    }
    std::string joined = entry.DisplayName;
    if (joined.size() < line.size()) {
        joined += "!" + entry.Flags;
    }
    if (joined.size() < line.size()) {
        joined += "!" + entry.DriverFile;
    }
    FUZZ_CHECK(line.starts_with(joined));
    FUZZ_CHECK(joined.size() == line.size() || line[joined.size()] == '!');
}

bool SortedIgnoringCase(const std::vector<std::string>& texts, bool strictly) {
    for (std::size_t i = 1; i < texts.size(); ++i) {
        const std::string a = LowerAscii(texts[i - 1]);
        const std::string b = LowerAscii(texts[i]);
        if (strictly ? !(a < b) : b < a) {
            return false;
        }
    }
    return true;
}

// Entry text -> the driver file it stands for, of every entry that the library offers.
std::map<std::string, std::string> InstallLibrary(FuzzPlatform& platform,
                                                  const std::string& library) {
    std::map<std::string, std::string> offered;
    for (const std::string& line : SplitLines(library)) {
        const MailerEntry entry = ParseLibraryLine(line);
        CheckLibraryLine(line, entry);
        platform.files.Put(std::string(FuzzPlatform::kDrivers) + "\\" + entry.DriverFile, "");
        if (entry.Flags.find_first_of("5-") == std::string::npos) {
            offered[EntryText(entry)] = TrimBlanks(entry.DriverFile);
        }
    }
    return offered;
}

// Every offered entry is in one of the lists, sorted; the Active driver list holds the
// driver of every Active entry, once whatever its letter case.
void CheckLoaded(const std::map<std::string, std::string>& offered) {
    const MailerLibrary& m = Mailers();
    FUZZ_CHECK(m.libraryLoaded);
    FUZZ_CHECK(SortedIgnoringCase(m.library, false) && SortedIgnoringCase(m.active, false));
    std::vector<std::string> listed = m.library;
    listed.insert(listed.end(), m.active.begin(), m.active.end());
    for (const std::string& text : listed) {
        FUZZ_CHECK(offered.contains(text));
    }
    FUZZ_CHECK(SortedIgnoringCase(m.activeDrivers, true));
    for (const std::string& text : m.active) {
        const std::string& driver = offered.at(text);
        FUZZ_CHECK(
            std::any_of(m.activeDrivers.begin(), m.activeDrivers.end(),
                        [&](const std::string& d) { return LowerAscii(d) == LowerAscii(driver); }));
    }
}

void Load() {
    try {
        LoadMailerLibrary();
    } catch (const FileError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const bool libraryMissing = (bytes[0] & 1) != 0;
    const std::string text(reinterpret_cast<const char*>(bytes) + 1, size - 1);
    const std::size_t split = text.find(kPartSeparator);
    const std::string library = text.substr(0, split);
    const std::string active =
        split == std::string::npos ? "" : text.substr(split + kPartSeparator.size());

    FuzzPlatform platform;
    const std::map<std::string, std::string> offered = InstallLibrary(platform, library);
    if (!libraryMissing) {
        platform.files.Put(std::string(FuzzPlatform::kDrivers) + "\\SELECTG.DAT", library);
    }
    const std::string activeFile = std::string(FuzzPlatform::kDir) + kActiveMailersFile;
    platform.files.Put(activeFile, active);
    Load();
    if (libraryMissing) {
        // Nothing is known of the library: the Active lines are saved as they were read.
        FUZZ_CHECK(!Mailers().libraryLoaded);
        SaveSettings();
        FUZZ_CHECK(SplitLines(platform.files.Content(activeFile)) == SplitLines(active));
        return 0;
    }
    CheckLoaded(offered);
    // The choice survives a save and the next start.
    const MailerLibrary before = Mailers();
    SaveSettings();
    Load();
    FUZZ_CHECK(Mailers().active == before.active && Mailers().library == before.library);
    return 0;
}
