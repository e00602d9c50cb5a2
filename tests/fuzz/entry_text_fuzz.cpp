// Fuzzes the texts of the mailer list rows: library entries and chooser rows keep their
// driver file behind a run of kEntryGap blanks, and the program reads it back from there.
// The parts are built from the bytes, each with a run of blanks of a length the bytes choose.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "mailers/FindRunningMailer.h"
#include "mailers/MFDDirectory.h"
#include "support/strutil.h"

namespace {

std::string TextWithBlankRun(FuzzedDataProvider& bytes) {
    std::string text = bytes.ConsumeRandomLengthString(40);
    const std::size_t at = bytes.ConsumeIntegralInRange<std::size_t>(0, text.size());
    text.insert(at, bytes.ConsumeIntegralInRange<std::size_t>(0, 2 * kEntryGap), ' ');
    return text;
}

bool HasGap(const std::string& text) {
    return text.find(std::string(kEntryGap, ' ')) != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider bytes(data, size);
    MailerEntry entry;
    entry.DisplayName = TextWithBlankRun(bytes);
    entry.DriverFile = TextWithBlankRun(bytes);
    const std::string information = TextWithBlankRun(bytes);
    const std::string caption = TextWithBlankRun(bytes);
    // A driver file without a visible byte, or with a gap of its own, cannot be told from
    // the name.
    if (HasGap(entry.DriverFile) || TrimBlanks(entry.DriverFile).empty()) {
        return 0;
    }
    // The Active driver list, the mailer groups and the driver calls read the driver file
    // back from the entry text, whatever the display name.
    const std::string text = EntryText(entry);
    const std::string driver = DriverFileOf(text);
    FUZZ_CHECK(driver == TrimBlanks(entry.DriverFile));
    // Shown as the library has it where the name and the file are apart.
    if (!HasGap(entry.DisplayName) && !entry.DisplayName.ends_with(' ') &&
        !entry.DriverFile.starts_with(' ')) {
        FUZZ_CHECK(DisplayNameOf(text) == entry.DisplayName);
    }
    // The user's choice among the running mailers calls the driver of the row chosen.
    FUZZ_CHECK(DriverFileOf(ChooserRow(information, caption, driver)) == driver);
    return 0;
}
