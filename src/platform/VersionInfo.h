#pragma once
// Named strings of a program file's version resource.

#include <string>

struct VersionQuery {
    enum class Status {
        NoData,       // the file has no version information, or does not exist
        QueryFailed,  // the version information holds no such string
        Found,
    };
    Status status = Status::NoData;
    // When found: the reported number of characters (the terminating zero included) and
    // that many bytes of the string.
    unsigned length = 0;
    std::string bytes;
};

class IVersionInfo {
public:
    virtual ~IVersionInfo() = default;

    // Looks up a string of the file's version resource by its query path
    // ("\StringFileInfo\080904E4\FileVersion"). An empty file name is the running program's
    // own executable.
    virtual VersionQuery Query(const std::string& fileName, const std::string& subBlock) = 0;
};
