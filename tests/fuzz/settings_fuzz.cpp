// Fuzzes the loading of the settings: the values of the integer keys of "Tervane5.INI" and
// the mailing-list file "MailingList.dat" come from the bytes.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "FuzzCheck.h"
#include "FuzzPlatform.h"
#include "shell/PropsModel.h"
#include "shell/ShellState.h"
#include "shell/settings.h"
#include "support/strutil.h"

namespace {

constexpr const char* kIntegerKeys[] = {
    "optProcessing",   "optOutward", "RecentPage", "chkIgnoreWrappedKeys",
    "chkForceKeyRead", "TipNumber",  "TipEnabled"};

// A value that is read does not depend on the default, and reads back from the spellings
// that a write and a hand edit give it.
void CheckInteger(const std::string& text) {
    const int value = ProfileInteger(text, 0);
    if (value == 0 && ProfileInteger(text, 1) == 1) {
        return;
    }
    FUZZ_CHECK(ProfileInteger(text, 1) == value);
    FUZZ_CHECK(ProfileInteger(std::to_string(value), 1) == value);
    char hex[16];
    std::snprintf(hex, sizeof hex, "$%X", static_cast<unsigned>(value));
    FUZZ_CHECK(ProfileInteger(hex, 1) == value);
}

struct Loaded {
    PropsModel props;
    int recentPage;
    TipState tips;
};

Loaded Load() {
    LoadSettings();
    return {Props(), Shell().recentPage, Shell().tips};
}

bool operator==(const Loaded& a, const Loaded& b) {
    return a.props.optProcessing == b.props.optProcessing &&
           a.props.optOutward == b.props.optOutward &&
           a.props.chkIgnoreWrappedKeys == b.props.chkIgnoreWrappedKeys &&
           a.props.chkForceKeyRead == b.props.chkForceKeyRead &&
           a.props.chkTipEnabled == b.props.chkTipEnabled &&
           a.props.mailingList == b.props.mailingList && a.recentPage == b.recentPage &&
           a.tips.index == b.tips.index && a.tips.enabled == b.tips.enabled;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider bytes(data, size);
    FuzzPlatform platform;
    for (const char* key : kIntegerKeys) {
        const std::string text = bytes.ConsumeRandomLengthString(16);
        CheckInteger(text);
        platform.profiles.Put(kSettingsFile, "General", key, text);
    }
    const std::string mailingList = bytes.ConsumeRemainingBytesAsString();
    platform.files.Put(std::string(FuzzPlatform::kDir) + kMailingListFile, mailingList);

    const Loaded loaded = Load();
    FUZZ_CHECK(loaded.props.optProcessing >= -1 && loaded.props.optProcessing <= 2);
    FUZZ_CHECK(loaded.props.optOutward >= -1 && loaded.props.optOutward <= 2);
    FUZZ_CHECK(loaded.recentPage >= kPageRoutine && loaded.recentPage <= kPageAbout);
    FUZZ_CHECK(loaded.props.mailingList == SplitLines(mailingList));
    // What an OK saves, the next start loads as it was.
    SaveSettings();
    FUZZ_CHECK(Load() == loaded);
    return 0;
}
