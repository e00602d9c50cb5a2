#include "support/fileutil.h"

#include <algorithm>
#include <random>

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "support/deblog.h"
#include "support/error.h"

namespace {

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

// The length to overwrite; 0 when the file cannot be read (another program holds it), and
// the wipe then comes down to the removal.
std::size_t WipeLength(const std::string& fileName) {
    try {
        return ReadFileString(fileName).size();
    } catch (const FileError&) {
        return 0;
    }
}

void OverwriteInPlace(IFiles& files, const std::string& fileName, std::size_t n) {
    const std::string zeros(n, '\x00');
    const std::string ones(n, '\xFF');
    const std::string random = RandomWipeBytes(n);
    for (int cycle = 0; cycle < 2; ++cycle) {
        for (const std::string* pass : {&zeros, &ones, &random}) {
            files.Overwrite(fileName, *pass);
        }
    }
    files.Truncate(fileName);
}

// The log never holds the file's text, only its name.
void TellWipeFailed(const std::string& fileName) {
    WriteDebugLog("WipeFile failed, the file is still there: " + fileName);
    if (WipeFailuresShown().insert(fileName).second) {
        Os().dialogs->AppMessageBox(kWipeFailedText + fileName, MsgDlgType::Warning, kMbOk);
    }
}

}  // namespace

std::string ReadFileString(const std::string& fileName) {
    IFiles& files = *Os().files;
    if (!files.Exists(fileName)) {
        return {};
    }
    try {
        return files.ReadAll(fileName);
    } catch (const FileError& e) {
        // Callers show these texts; the system's number and the failed step stay with them.
        if (e.Step() == FileStep::Open) {
            throw FileError(e.Code(), e.Step(), "Cannot open file " + fileName);
        }
        throw FileError(e.Code(), e.Step(), "Stream read error");
    }
}

bool WriteFileString(const std::string& fileName, const std::string& s) {
    try {
        Os().files->WriteAll(fileName, s);
        return true;
    } catch (const FileError& e) {
        ReportError("WriteFileString:" + fileName, e.what());
        return false;
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
// free them, and the old text could stay on the disk. A driver may leave the file read-only,
// which would stop every pass and the removal. The passes' results are not checked: whether
// the file is gone at the end is what counts.
bool WipeFile(const std::string& fileName) {
    IFiles& files = *Os().files;
    if (!files.Exists(fileName)) {
        return true;
    }
    files.ClearReadOnly(fileName);
    OverwriteInPlace(files, fileName, WipeLength(fileName));
    files.Remove(fileName);
    if (files.Exists(fileName)) {
        TellWipeFailed(fileName);
        return false;
    }
    return true;
}
