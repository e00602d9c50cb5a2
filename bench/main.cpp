// The native benchmarks: the program's linear algorithms against their literal forms, and
// how the scans of mail and mailer lists grow with their input. Prints times and, at the
// end, one "name=value" line per figure; it is not a test.
//
//   bench_native [--lines N]   (default 20000 lines, about 1 MB; the literal ReplaceAll
//                               takes minutes on 100000)

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/ListsBench.h"
#include "bench/ReplaceBench.h"

int main(int argc, char** argv) {
    int lines = 20000;
    if (argc == 3 && std::strcmp(argv[1], "--lines") == 0) {
        lines = std::atoi(argv[2]);
    }
    const ReplaceRatios replace = CompareReplacements(lines);
    ParseScaling();
    const double mailingList = MailingListGrowth();
    const double library = LibraryGrowth();
    std::printf(
        "replace_ratio=%.0f\nunindent_ratio=%.0f\nmailing_list_growth=%.2f\n"
        "library_growth=%.2f\n",
        replace.replace, replace.unindent, mailingList, library);
    return 0;
}
