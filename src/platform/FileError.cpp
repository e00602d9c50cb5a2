#include "platform/FileError.h"

std::string IoErrorText(int systemError) {
    switch (systemError) {
        case kErrorAccessDenied:
            return "File access denied";
        case kErrorHandleDiskFull:
        case kErrorDiskFull:
            return "Disk full";
        case kErrorFileNotFound:
            return "File not found";
        default:
            return "I/O error " + std::to_string(systemError);
    }
}

FileError::FileError(int systemError, FileStep step)
    : FileError(systemError, step, IoErrorText(systemError)) {}

FileError::FileError(int systemError, FileStep step, const std::string& message)
    : std::runtime_error(message), code_(systemError), step_(step) {}
