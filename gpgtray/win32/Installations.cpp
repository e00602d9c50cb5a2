#include "Installations.h"

#include <windows.h>

namespace gpgtray {

namespace {

// GnuPG's installer writes "Install Directory" under "Software\GnuPG", for the user or for
// the machine; older ones wrote it under "Software\GNU\GnuPG". A 32-bit installer writes to
// the 32-bit view of the registry, a 64-bit one to the 64-bit view: both are read, whatever
// this program's own width.
constexpr const char* kKeys[] = {"Software\\GnuPG", "Software\\GNU\\GnuPG"};
constexpr const char* kValue = "Install Directory";

std::string ReadFolder(HKEY root, const char* subKey, REGSAM view) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey, 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS) {
        return "";
    }
    char folder[MAX_PATH + 1] = "";
    DWORD size = MAX_PATH;  // one byte spare: a stored text need not end in a zero
    DWORD type = 0;
    const LONG read =
        RegQueryValueExA(key, kValue, nullptr, &type, reinterpret_cast<BYTE*>(folder), &size);
    RegCloseKey(key);
    return read == ERROR_SUCCESS && type == REG_SZ ? folder : "";
}

}  // namespace

std::vector<std::string> Installations::RegisteredFolders() const {
    std::vector<std::string> folders;
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        for (const char* key : kKeys) {
            for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
                const std::string folder = ReadFolder(root, key, view);
                if (!folder.empty()) {
                    folders.push_back(folder);
                }
            }
        }
    }
    return folders;
}

bool Installations::FileExists(const std::string& path) const {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Installations::OnSearchPath() const {
    char path[MAX_PATH] = "";
    return SearchPathA(nullptr, "gpg.exe", nullptr, sizeof path, path, nullptr) ? path : "";
}

}  // namespace gpgtray
