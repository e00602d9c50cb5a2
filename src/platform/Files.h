#pragma once
// Files as the program sees them, named by their Windows path ("C:\dir\file.txt").

#include <string>
#include <string_view>

#include "platform/FileError.h"

class IFiles {
public:
    virtual ~IFiles() = default;

    // True when a file (not a directory) of that path exists.
    virtual bool Exists(const std::string& path) = 0;

    // The whole content, byte for byte. The file is opened for reading, shared with other
    // readers only. Throws FileError (step Open or Read).
    virtual std::string ReadAll(const std::string& path) = 0;

    // Creates the file or truncates it, writes data, closes it. Throws FileError.
    virtual void WriteAll(const std::string& path, std::string_view data) = 0;

    // Appends data at the end of the file, creating it when absent; others may have it open
    // for reading and writing meanwhile. Throws FileError.
    virtual void Append(const std::string& path, std::string_view data) = 0;

    // Opens an existing file without truncating it, writes data over its first bytes,
    // flushes the file's buffers to the disk and closes it. False when any step failed
    // (a missing file is not created).
    virtual bool Overwrite(const std::string& path, std::string_view data) = 0;

    // Cuts an existing file to zero length, flushes it to the disk and closes it. False
    // when any step failed.
    virtual bool Truncate(const std::string& path) = 0;

    // Deletes the file. False when it could not be deleted (also when it was absent).
    virtual bool Remove(const std::string& path) = 0;

    // Clears the file's read-only attribute. False when it could not be cleared (also when
    // the file is absent).
    virtual bool ClearReadOnly(const std::string& path) = 0;

    // Creates the folder when it does not exist yet; its parent must exist. True when the
    // folder exists afterwards.
    virtual bool CreateFolder(const std::string& path) = 0;

    // The name (without its directory) of the first file that matches a pattern whose last
    // part may hold the wildcards "*" and "?"; hidden, system and read-only files count,
    // directories do not. Empty when none matches.
    virtual std::string FindFirst(const std::string& pattern) = 0;
};
