#pragma once
// Files through the Win32 file functions, opened and closed within each call.

#include "platform/Files.h"

class Win32Files : public IFiles {
public:
    bool Exists(const std::string& path) override;
    std::string ReadAll(const std::string& path) override;
    void WriteAll(const std::string& path, std::string_view data) override;
    void Append(const std::string& path, std::string_view data) override;
    bool Overwrite(const std::string& path, std::string_view data) override;
    bool Truncate(const std::string& path) override;
    bool Remove(const std::string& path) override;
    bool ClearReadOnly(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    std::string FindFirst(const std::string& pattern) override;
};
