// Compares the literal replacement algorithm (rescan from the start and rebuild the string
// after every replacement) with the program's linear ReplaceAll, on the texts the program
// actually replaces in, and shows that parsing an exchange file grows linearly with its
// body. Prints times and ratios; it is not a test.
//
//   bench_replace [--lines N]   (default 100000 lines, about 5 MB)

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "bench/baseline/LiteralReplace.h"
#include "core/MFDData.h"
#include "core/PGPBlocks.h"
#include "support/replace.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Best of a few runs, for the fast side.
double BestSeconds(const std::function<void()>& work, int runs = 5) {
    double best = Seconds(work);
    for (int i = 1; i < runs; ++i) {
        best = std::min(best, Seconds(work));
    }
    return best;
}

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

void Compare(const char* what, const std::function<std::string()>& literal,
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
}

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

}  // namespace

int main(int argc, char** argv) {
    int lines = 100000;
    if (argc == 3 && std::strcmp(argv[1], "--lines") == 0) {
        lines = std::atoi(argv[2]);
    }
    const std::string text = MailText(lines);
    std::printf("text: %d lines, %zu bytes\n", lines, text.size());
    Compare(
        "ReplaceAll CR LF -> one byte", [&] { return LiteralReplaceAll("\r\n", text, "\xff"); },
        [&] { return ReplaceAll("\r\n", text, "\xff"); });
    Compare(
        "UnindentPGPMarkers", [&] { return LiteralUnindent(text); },
        [&] { return UnindentPGPMarkers(text); });
    ParseScaling();
    return 0;
}
