#pragma once
// Strings of a program file's version resource, through version.dll.

#include "platform/VersionInfo.h"

class Win32VersionInfo : public IVersionInfo {
public:
    VersionQuery Query(const std::string& fileName, const std::string& subBlock) override;
};
