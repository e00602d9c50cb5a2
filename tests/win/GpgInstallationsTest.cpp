// Where the GnuPG tray program finds gpg.exe on a real system: in the folder that GnuPG's
// installer registers, for the user or the machine, in the registry's 32-bit view.

#include <gtest/gtest.h>
#include <windows.h>

#include "gpgtray/core/GpgLocation.h"
#include "gpgtray/win32/Installations.h"
#include "win/GpgTrayInstall.h"

namespace {

constexpr const char* kKey = "Software\\GnuPG";

// The registration as GnuPG's 32-bit installer writes it, for as long as the object lives.
class Registration {
public:
    explicit Registration(const std::string& folder) {
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE | KEY_WOW64_32KEY,
                        nullptr, &key, nullptr);
        RegSetValueExA(key, "Install Directory", 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(folder.c_str()),
                       static_cast<DWORD>(folder.size() + 1));
        RegCloseKey(key);
    }
    ~Registration() { RegDeleteKeyExA(HKEY_CURRENT_USER, kKey, KEY_WOW64_32KEY, 0); }
};

TEST(GpgInstallations, TheProgramInTheBinFolderOfTheRegisteredInstallationIsFound) {
    GpgTrayInstall install;  // puts a gpg.exe into "GnuPG\bin" of its folder
    const gpgtray::Installations installations;
    EXPECT_EQ(gpgtray::FindGpg("", installations), "") << "none registered, none on the path";
    const Registration registered(std::string(GpgTrayInstall::kFolder) + "GnuPG");
    EXPECT_EQ(gpgtray::FindGpg("", installations), GpgTrayInstall::Gpg());
}

}  // namespace
