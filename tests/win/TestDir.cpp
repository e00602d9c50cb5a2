#include "win/TestDir.h"

#include <windows.h>

#include <stdexcept>

#include "win32/UniqueHandle.h"

TestDir::TestDir() {
    CreateDirectoryA("C:\\Tervane Test", nullptr);
    CreateDirectoryA(kPath, nullptr);
    Empty();
}

TestDir::~TestDir() {
    Empty();
}

void TestDir::Empty() {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(File("*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            const std::string path = File(found.cFileName);
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

void PutFile(const std::string& path, const std::string& content) {
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file.Valid() ||
        !WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written,
                   nullptr) ||
        written != content.size()) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::string FileContent(const std::string& path) {
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        throw std::runtime_error("cannot open " + path);
    }
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
        content.append(buffer, read);
    }
    return content;
}

void MakeReadOnlyFile(const std::string& path, const std::string& content) {
    PutFile(path, content);
    if (!SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY)) {
        throw std::runtime_error("cannot make " + path + " read-only");
    }
}

bool ReadOnlyFilesAreWritable(const std::string& readOnlyPath) {
    const UniqueHandle file(CreateFileA(readOnlyPath.c_str(), GENERIC_WRITE, 0, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.Valid();
}
