#pragma once
// A real directory whose path has blanks in it, emptied before and after each use, so
// that file tests see the program's kind of path ("C:\Program Files\...").

#include <string>

class TestDir {
public:
    TestDir();
    ~TestDir();
    TestDir(const TestDir&) = delete;
    TestDir& operator=(const TestDir&) = delete;

    // With its trailing backslash.
    static constexpr const char* kPath = "C:\\Tervane Test\\Sub Dir\\";

    static std::string File(const std::string& name) { return kPath + name; }

private:
    static void Empty();
};

// Creates or replaces a file with the content, through the system directly, so that the
// tests do not depend on the code they test for their set-up.
void PutFile(const std::string& path, const std::string& content);

// The content of a file read through the system directly.
std::string FileContent(const std::string& path);

// Creates the file with the content and sets its read-only attribute.
void MakeReadOnlyFile(const std::string& path, const std::string& content);

// True when the system lets this user open a read-only file for writing all the same, as
// Wine does for root, who may write any Unix file.
bool ReadOnlyFilesAreWritable(const std::string& readOnlyPath);
