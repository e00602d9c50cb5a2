#pragma once
// Failures of file operations and the one mapping of system error numbers to their texts.

#include <stdexcept>
#include <string>

// System error numbers that have texts of their own.
constexpr int kErrorFileNotFound = 2;
constexpr int kErrorAccessDenied = 5;
constexpr int kErrorSharingViolation = 32;
constexpr int kErrorHandleDiskFull = 39;
constexpr int kErrorDiskFull = 112;

// The user-facing text of a failed file operation: "File access denied", "Disk full",
// "File not found", or "I/O error N" for every other system error number.
std::string IoErrorText(int systemError);

// Which step of a file operation failed.
enum class FileStep { Open, Read, Write };

// A file operation that failed, with the system's error number. Its message is the
// IoErrorText of that number unless the thrower gives another.
class FileError : public std::runtime_error {
public:
    FileError(int systemError, FileStep step);
    FileError(int systemError, FileStep step, const std::string& message);

    int Code() const { return code_; }
    FileStep Step() const { return step_; }

private:
    int code_;
    FileStep step_;
};
