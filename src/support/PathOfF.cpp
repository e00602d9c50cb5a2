#include "support/PathOfF.h"

std::string PathOfFile(const std::string& path) {
    const std::size_t lastBackslash = path.rfind('\\');
    if (lastBackslash == std::string::npos) {
        return path;
    }
    return path.substr(0, lastBackslash + 1);
}
