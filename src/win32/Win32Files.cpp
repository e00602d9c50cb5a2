#include "win32/Win32Files.h"

#include <windows.h>

#include <algorithm>

#include "win32/UniqueHandle.h"

namespace {

// A file the program writes is shared with nobody while it is open: nobody reads a file that
// is half written.
HANDLE OpenUnshared(const std::string& path, DWORD access, DWORD disposition) {
    return CreateFileA(path.c_str(), access, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

UniqueHandle OpenOrThrow(const std::string& path, DWORD access, DWORD disposition,
                         DWORD sharing = 0) {
    const HANDLE file = CreateFileA(path.c_str(), access, sharing, nullptr, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        throw FileError(static_cast<int>(GetLastError()), FileStep::Open);
    }
    return UniqueHandle(file);
}

// ReadFile and WriteFile take 32-bit counts; larger buffers go in pieces.
DWORD ChunkSize(std::size_t remaining) {
    return static_cast<DWORD>(std::min<std::size_t>(remaining, 1u << 30));
}

// Writes every byte; false with the system's error set when a write fails or stops short.
bool WriteBytes(HANDLE file, std::string_view data) {
    while (!data.empty()) {
        DWORD written = 0;
        if (!WriteFile(file, data.data(), ChunkSize(data.size()), &written, nullptr)) {
            return false;
        }
        if (written == 0) {
            SetLastError(ERROR_HANDLE_DISK_FULL);
            return false;
        }
        data.remove_prefix(written);
    }
    return true;
}

void WriteOrThrow(HANDLE file, std::string_view data) {
    if (!WriteBytes(file, data)) {
        throw FileError(static_cast<int>(GetLastError()), FileStep::Write);
    }
}

std::string ReadToEnd(HANDLE file) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size)) {
        throw FileError(static_cast<int>(GetLastError()), FileStep::Read);
    }
    std::string content(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < content.size()) {
        DWORD read = 0;
        if (!ReadFile(file, content.data() + done, ChunkSize(content.size() - done), &read,
                      nullptr)) {
            throw FileError(static_cast<int>(GetLastError()), FileStep::Read);
        }
        if (read == 0) {
            break;
        }
        done += read;
    }
    content.resize(done);
    return content;
}

}  // namespace

bool Win32Files::Exists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A reader lets others read too: a virus scanner or an indexer that has the file open for
// reading does not make it unreadable.
std::string Win32Files::ReadAll(const std::string& path) {
    const UniqueHandle file = OpenOrThrow(path, GENERIC_READ, OPEN_EXISTING, FILE_SHARE_READ);
    return ReadToEnd(file.Get());
}

void Win32Files::WriteAll(const std::string& path, std::string_view data) {
    const UniqueHandle file = OpenOrThrow(path, GENERIC_WRITE, CREATE_ALWAYS);
    WriteOrThrow(file.Get(), data);
}

// Appends are a log's: a viewer, or a second copy of the program, may have it open.
void Win32Files::Append(const std::string& path, std::string_view data) {
    const UniqueHandle file =
        OpenOrThrow(path, GENERIC_WRITE, OPEN_ALWAYS, FILE_SHARE_READ | FILE_SHARE_WRITE);
    if (!SetFilePointerEx(file.Get(), LARGE_INTEGER{}, nullptr, FILE_END)) {
        throw FileError(static_cast<int>(GetLastError()), FileStep::Write);
    }
    WriteOrThrow(file.Get(), data);
}

bool Win32Files::Overwrite(const std::string& path, std::string_view data) {
    UniqueHandle file(OpenUnshared(path, GENERIC_WRITE, OPEN_EXISTING));
    return file.Valid() && WriteBytes(file.Get(), data) && FlushFileBuffers(file.Get()) &&
           file.Close();
}

bool Win32Files::Truncate(const std::string& path) {
    UniqueHandle file(OpenUnshared(path, GENERIC_WRITE, OPEN_EXISTING));
    // A fresh handle stands at offset 0, so the end of file is set there.
    return file.Valid() && SetEndOfFile(file.Get()) && FlushFileBuffers(file.Get()) && file.Close();
}

bool Win32Files::Remove(const std::string& path) {
    return DeleteFileA(path.c_str()) != 0;
}

bool Win32Files::ClearReadOnly(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           SetFileAttributesA(path.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
}

// A folder made under the user's profile takes the profile's permissions: only this user
// (and the system's administrators) may open it.
bool Win32Files::CreateFolder(const std::string& path) {
    if (!CreateDirectoryA(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        return false;
    }
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// FindFirstFileA reports every file whatever its attributes; only directories are passed over.
std::string Win32Files::FindFirst(const std::string& pattern) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::string name;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            name = found.cFileName;
            break;
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return name;
}
