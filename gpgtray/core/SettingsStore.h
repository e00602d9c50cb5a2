#pragma once
// Where the preferences are kept: named texts, read and written one at a time.

#include <string>

namespace gpgtray {

class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    // Empty when the value was never written.
    virtual std::string Read(const std::string& key) const = 0;
    virtual void Write(const std::string& key, const std::string& value) = 0;
};

}  // namespace gpgtray
