#include "bench/ListsBench.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "bench/BenchTiming.h"
#include "core/Decision.h"
#include "fakes/FakeFiles.h"
#include "fakes/FakeProfiles.h"
#include "mailers/MFDDirectory.h"
#include "support/ProgramPaths.h"

namespace {

constexpr const char* kDrivers = "C:\\Drivers";

std::string Address(int n) {
    return "member" + std::to_string(n) + "@lists.example.org";
}

// Addresses of which none is in the list, so that every token is compared, up to the size.
std::string CcOfSize(std::size_t bytes) {
    std::string cc;
    cc.reserve(bytes + 40);
    for (int n = 0; cc.size() < bytes; ++n) {
        cc += "Reader " + std::to_string(n) + " <reader" + std::to_string(n) + "@example.org>, ";
    }
    return cc;
}

double ScanSeconds(const std::string& cc, const std::vector<std::string>& list) {
    bool hit = true;
    const double seconds = BestSeconds([&] { hit = MailingListHit("a@example.org", cc, list); });
    if (hit) {
        std::printf("mailing list: unexpected hit\n");
        std::exit(1);
    }
    return seconds;
}

// `lines` library lines with installed drivers, every second one also an Active line in
// other letter case; loaded from an in-memory file system.
double LoadSeconds(int lines) {
    FakeFiles files;
    FakeProfiles profiles;
    profiles.Put(FakeProfiles::kWinIni, "Mail Form Drivers", "Path", kDrivers);
    std::string library, active;
    const std::string gap(kEntryGap, ' ');
    for (int n = 0; n < lines; ++n) {
        const std::string name = "Mailer " + std::to_string((n * 7919) % lines);
        const std::string driver = "drv" + std::to_string(n % (lines / 2)) + ".exe";
        library += name + "!1!" + driver + "\r\n";
        active += (n % 2 ? name : "MAILER" + name.substr(6)) + gap + driver + "\r\n";
        files.Put(std::string(kDrivers) + "\\" + driver, "");
    }
    files.Put(std::string(kDrivers) + "\\SELECTG.DAT", library);
    ProgramState state;
    state.os.files = &files;
    state.os.profiles = &profiles;
    const InstalledProgramState installed(state);
    files.Put(Paths().dir + "ActiveMailers.dat", active);
    const double seconds = BestSeconds(LoadMailerLibrary);
    if (Mailers().active.size() != static_cast<std::size_t>(lines)) {
        std::printf("library: %zu of %d lines active\n", Mailers().active.size(), lines);
        std::exit(1);
    }
    return seconds;
}

}  // namespace

double MailingListGrowth() {
    std::vector<std::string> list;
    for (int n = 0; n < 2000; ++n) {
        list.push_back(Address(n));
    }
    const double small = ScanSeconds(CcOfSize(400 * 1024), list);
    const double large = ScanSeconds(CcOfSize(4 * 1024 * 1024), list);
    std::printf("mailing-list scan, 2000 addresses: 400 KB Cc %9.5f s   4 MB Cc %9.5f s\n", small,
                large);
    return large / small;
}

double LibraryGrowth() {
    const double small = LoadSeconds(800);
    const double large = LoadSeconds(8000);
    std::printf("library load, library and Active lines: 800 %9.5f s   8000 %9.5f s\n", small,
                large);
    return large / small;
}
