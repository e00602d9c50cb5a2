#pragma once
// Profile (INI) files: WIN.INI and the program's and drivers' own INI files.

#include <string>

class IProfiles {
public:
    virtual ~IProfiles() = default;

    // The value of the key in the section of WIN.INI; defaultValue when either is absent.
    virtual std::string ReadSystem(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) = 0;

    // The value of the key in the section of the INI file at path; defaultValue when the file,
    // the section or the key is absent.
    virtual std::string ReadPrivate(const std::string& path, const std::string& section,
                                    const std::string& key, const std::string& defaultValue) = 0;

    // Sets the key in the section of the INI file at path, creating the file, the section or
    // the key as needed. A path without a directory names a file in the Windows directory.
    // False when the file cannot be written.
    virtual bool WritePrivate(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& value) = 0;
};
