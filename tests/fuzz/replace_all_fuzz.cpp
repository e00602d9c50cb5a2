// Fuzzes ReplaceAll with arbitrary pairs: Old (1 to 8 bytes), New (up to 16) and the text
// come from the bytes. Pairs that break its precondition are not run (they
// may never end); for the others the bound that the precondition promises must hold.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "bench/baseline/LiteralReplace.h"
#include "support/replace.h"

namespace {

// Leftmost occurrences replaced in one pass, without looking into what was put in.
std::string ReplaceInOnePass(const std::string& oldText, const std::string& s,
                             const std::string& newText) {
    std::string result;
    std::size_t from = 0;
    for (std::size_t at = s.find(oldText); at != std::string::npos; at = s.find(oldText, from)) {
        result += s.substr(from, at - from) + newText;
        from = at + oldText.size();
    }
    return result + s.substr(from);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider bytes(data, size);
    const std::string oldText = bytes.ConsumeBytesAsString(bytes.ConsumeIntegralInRange(1, 8));
    const std::string newText = bytes.ConsumeBytesAsString(bytes.ConsumeIntegralInRange(0, 16));
    const std::string s = bytes.ConsumeRemainingBytesAsString();
    if (oldText.empty() || !ReplaceAllIsBounded(oldText, newText)) {
        return 0;
    }
    const std::string result = ReplaceAll(oldText, s, newText);
    FUZZ_CHECK(result.find(oldText) == std::string::npos);
    FUZZ_CHECK(result.size() * oldText.size() <=
               s.size() * std::max(oldText.size(), newText.size()));
    // A replacement that makes no occurrence leaves only the occurrences of the text itself.
    if (newText.size() >= oldText.size()) {
        FUZZ_CHECK(result == ReplaceInOnePass(oldText, s, newText));
    }
    if (s.size() <= 512) {
        FUZZ_CHECK(result == LiteralReplaceAll(oldText, s, newText));
    }
    return 0;
}
