#include "support/readastr.h"

#include "platform/Files.h"
#include "platform/Platform.h"

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
