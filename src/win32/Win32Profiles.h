#pragma once
// Profile files through the system's profile functions.

#include "platform/Profiles.h"

class Win32Profiles : public IProfiles {
public:
    std::string ReadSystem(const std::string& section, const std::string& key,
                           const std::string& defaultValue) override;
    std::string ReadPrivate(const std::string& path, const std::string& section,
                            const std::string& key, const std::string& defaultValue) override;
    bool WritePrivate(const std::string& path, const std::string& section, const std::string& key,
                      const std::string& value) override;
};
