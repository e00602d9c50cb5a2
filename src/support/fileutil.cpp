#include "support/fileutil.h"

#include <algorithm>
#include <random>

#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "platform/System.h"
#include "support/error.h"
#include "support/readastr.h"

namespace {

// The service-pack text of the version record holds at most 128 characters.
constexpr std::size_t kServicePackMax = 128;

// Bytes drawn uniformly from 0 to 254, from a generator seeded from the clock just before.
std::string RandomWipeBytes(std::size_t n) {
    const LocalTime now = Os().clock->Now();
    std::seed_seq seed{now.year,   now.month,  now.day,        now.hour,
                       now.minute, now.second, now.millisecond};
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> byte(0, 254);
    std::string bytes(n, '\0');
    std::generate(bytes.begin(), bytes.end(), [&] { return static_cast<char>(byte(generator)); });
    return bytes;
}

}  // namespace

void WriteFileString(const std::string& fileName, const std::string& s) {
    try {
        Os().files->WriteAll(fileName, s);
    } catch (const FileError& e) {
        ReportError("WriteFileString:" + fileName, e.what());
    }
}

void TrimFileToSize(const std::string& fileName, int maxSize) {
    if (!Os().files->Exists(fileName)) {
        return;
    }
    const std::string content = ReadFileString(fileName);
    const long long length = static_cast<long long>(content.size());
    if (length > maxSize) {
        // The byte at position L - MaxSize is kept too: MaxSize + 1 bytes remain.
        const long long keep = std::max(maxSize, -1) + 1LL;
        WriteFileString(fileName, content.substr(static_cast<std::size_t>(length - keep)));
    }
}

// The rewrite creates a missing file empty. The partial first line that a byte-wise cut
// leaves is kept: the log's reader sees where the cut fell.
void TrimFileToSizeCosmetic(const std::string& fileName, int maxSize) {
    try {
        TrimFileToSize(fileName, maxSize);
        WriteFileString(fileName, ReadFileString(fileName));
    } catch (const FileError& e) {
        ReportError("TrimFileToSizeCosmetic: " + fileName, e.what());
    }
}

// The passes write over the file's own blocks: creating the file anew for each pass would
// free them, and the old text could stay on the disk. Results are ignored on purpose: a
// file that cannot be opened stays as it is.
void WipeFile(const std::string& fileName) {
    IFiles& files = *Os().files;
    if (!files.Exists(fileName)) {
        return;
    }
    const std::size_t n = ReadFileString(fileName).size();
    const std::string zeros(n, '\x00');
    const std::string ones(n, '\xFF');
    const std::string random = RandomWipeBytes(n);
    for (int cycle = 0; cycle < 2; ++cycle) {
        for (const std::string* pass : {&zeros, &ones, &random}) {
            files.Overwrite(fileName, *pass);
        }
    }
    files.Truncate(fileName);
    files.Remove(fileName);
}

// "Unkown" is the program's own spelling of this text.
std::string PlatformName(std::uint32_t id) {
    switch (id) {
        case 0:
            return "Win32s";
        case 1:
            return "Win95/98";
        case 2:
            return "WinNT";
        default:
            return "Unkown Platform #" + std::to_string(id);
    }
}

// The service-pack text follows the platform name with no blank: "4.0.1381 WinNTService Pack 6".
std::string WindowsVersionText() {
    const OsVersion v = Os().system->Version();
    return std::to_string(v.major) + "." + std::to_string(v.minor) + "." +
           std::to_string(v.build & 0xFFFF) + " " + PlatformName(v.platformId) +
           v.servicePack.substr(0, kServicePackMax);
}

std::string ShortPathName(const std::string& path) {
    return Os().system->ShortPath(path);
}

bool IsWindowMinimised(WindowId window) {
    IWindows& windows = *Os().windows;
    for (WindowId w = window; w != 0; w = windows.ParentOf(w)) {
        if (windows.IsMinimised(w)) {
            return true;
        }
    }
    return false;
}
