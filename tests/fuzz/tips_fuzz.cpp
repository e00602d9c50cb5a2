// Fuzzes the tips file "tips.dat" and the place stored in the settings: the stored tip
// number is the input's last 4 bytes, the file the rest. A line spelt from a help context and a
// text taken from the bytes must read back as those two.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzPlatform.h"
#include "shell/ShellState.h"
#include "shell/Tips.h"
#include "support/strutil.h"

namespace {

void CheckTipLine(int helpContext, const std::string& text) {
    const TipLine tip = ParseTipLine(std::to_string(helpContext) + "," + text);
    FUZZ_CHECK(tip.helpContext == helpContext && tip.text == text);
}

// The tip shown is a line of the file, and the steps go round it.
void CheckBrowsing(const std::vector<std::string>& lines) {
    TipBrowser tips;
    tips.Open();
    const int count = static_cast<int>(lines.size());
    const int index = Shell().tips.index;
    if (count == 0) {
        return;
    }
    FUZZ_CHECK(index >= 0 && index < count);
    const TipLine shown = ParseTipLine(lines[static_cast<std::size_t>(index)]);
    FUZZ_CHECK(tips.Text() == shown.text && tips.HelpContext() == shown.helpContext);
    tips.Next();
    tips.Previous();
    FUZZ_CHECK(Shell().tips.index == index);
    for (int i = 0; i < count; ++i) {
        tips.Next();
    }
    FUZZ_CHECK(Shell().tips.index == index && tips.Text() == shown.text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider bytes(data, size);
    FuzzPlatform platform;
    Shell().tips.index = bytes.ConsumeIntegral<std::int32_t>();
    const std::string file = bytes.ConsumeRemainingBytesAsString();
    platform.files.Put(std::string(FuzzPlatform::kDir) + "tips.dat", file);
    const std::vector<std::string> lines = SplitLines(file);
    if (!lines.empty()) {
        CheckTipLine(Shell().tips.index, lines.front());
    }
    // Long files take long to go round.
    if (lines.size() <= 1000) {
        CheckBrowsing(lines);
    }
    return 0;
}
