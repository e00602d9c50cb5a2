// Compares the literal replacement algorithm (rescan from the start and rebuild the string
// after every replacement) with the program's linear ReplaceAll, on the texts the program
// actually replaces in, and shows that parsing an exchange file grows linearly with its
// body.

#include "bench/ReplaceBench.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "bench/BenchTiming.h"
#include "bench/baseline/LiteralReplace.h"
#include "core/MFDData.h"
#include "core/PGPBlocks.h"
#include "support/replace.h"

namespace {

// `lines` lines of about 50 bytes ending in CR LF; every tenth line is a marker line
// indented by one blank, as a mailer's quoting leaves them.
std::string MailText(int lines) {
    std::string text;
    text.reserve(static_cast<std::size_t>(lines) * 52);
    for (int i = 0; i < lines; ++i) {
        if (i % 10 == 3) {
            text += (i % 20 == 3) ? " -----BEGIN PGP MESSAGE-----" : " -----END PGP MESSAGE-----";
        } else {
            text += "qANQR1DBwU4DZ2x0aXN0ZW4gbWl0IGRlbSBPaHIgMTIzNDU2Nzg";
        }
        text += "\r\n";
    }
    return text;
}

std::string LiteralUnindent(const std::string& text) {
    std::string s = text;
    if (s.compare(0, 16, " -----BEGIN PGP ") == 0) {
        s.erase(0, 1);
    }
    s = LiteralReplaceAll("\n -----BEGIN PGP ", s, "\n-----BEGIN PGP ");
    return LiteralReplaceAll("\n -----END PGP ", s, "\n-----END PGP ");
}

// The literal time over the linear one; ends the program when the results differ.
double Compare(const char* what, const std::function<std::string()>& literal,
               const std::function<std::string()>& linear) {
    std::string expected, actual;
    const double slow = Seconds([&] { expected = literal(); });
    const double fast = BestSeconds([&] { actual = linear(); });
    if (expected != actual) {
        std::printf("%s: RESULTS DIFFER\n", what);
        std::exit(1);
    }
    std::printf("%-34s literal %9.3f s   linear %9.5f s   ratio %8.0fx\n", what, slow, fast,
                slow / fast);
    return slow / fast;
}

}  // namespace

void ParseScaling() {
    const std::string header = "Wtype: 1\r\nTo: a@example.org\r\nSubject: big\r\n\r\n";
    double perMegabyte1 = 0;
    for (int megabytes : {1, 2, 5, 10}) {
        const std::string text =
            header + MailText(megabytes * 1024 * 1024 / 40).substr(0, megabytes << 20);
        TMFDData data;
        const double t = BestSeconds([&] { ParseMFDText(text, data); });
        if (data.Body.size() != static_cast<std::size_t>(megabytes) << 20) {
            std::printf("parse: body lost bytes\n");
            std::exit(1);
        }
        const double perMegabyte = t / megabytes;
        if (megabytes == 1) {
            perMegabyte1 = perMegabyte;
        }
        std::printf("ParseMFDText, %2d MB body           %9.5f s   per MB vs 1 MB: %5.2f\n",
                    megabytes, t, perMegabyte / perMegabyte1);
    }
}

ReplaceRatios CompareReplacements(int lines) {
    const std::string text = MailText(lines);
    std::printf("text: %d lines, %zu bytes\n", lines, text.size());
    ReplaceRatios ratios;
    ratios.replace = Compare(
        "ReplaceAll CR LF -> one byte", [&] { return LiteralReplaceAll("\r\n", text, "\xff"); },
        [&] { return ReplaceAll("\r\n", text, "\xff"); });
    ratios.unindent = Compare(
        "UnindentPGPMarkers", [&] { return LiteralUnindent(text); },
        [&] { return UnindentPGPMarkers(text); });
    return ratios;
}
