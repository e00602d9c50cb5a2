// The seam's contracts on the Win32 implementations, as the fakes meet them natively.

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "contract/SeamContracts.h"
#include "win/TestDir.h"
#include "win/TestWindow.h"
#include "win32/UniqueHandle.h"
#include "win32/Win32Clipboard.h"
#include "win32/Win32Files.h"
#include "win32/Win32Profiles.h"
#include "win32/Win32Windows.h"
#include "win32/WindowHandle.h"

namespace {

struct Win32WindowsWorld {
    static constexpr const char* kCaption = "Tervane test window";
    static constexpr const char* kClass = "TervaneTestWindow";

    IWindows& Windows() { return real; }
    WindowId MakeWindow() {
        made.push_back(std::make_unique<TestWindow>(nullptr, 200, 100));
        return ToWindowId(made.back()->Get());
    }
    void Destroy(WindowId w) { DestroyWindow(ToHwnd(w)); }

    Win32Windows real;
    std::vector<std::unique_ptr<TestWindow>> made;
};

struct Win32FilesWorld {
    IFiles& Files() { return real; }
    static std::string Path(const std::string& name) { return TestDir::File(name); }
    // Opened for reading by another opener that shares nothing.
    void Hold(const std::string& path) {
        held.emplace(path, std::make_unique<UniqueHandle>(
                               CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                           FILE_ATTRIBUTE_NORMAL, nullptr)));
        ASSERT_TRUE(held[path]->Valid());
    }
    void Release(const std::string& path) { held.erase(path); }

    TestDir dir;
    Win32Files real;
    std::map<std::string, std::unique_ptr<UniqueHandle>> held;
};

struct Win32ProfilesWorld {
    IProfiles& Profiles() { return real; }
    static std::string Path(const std::string& name) { return TestDir::File(name); }

    TestDir dir;
    Win32Profiles real;
};

struct Win32ClipboardWorld {
    IClipboard& Clipboard() { return real; }
    static void Empty() {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        CloseClipboard();
    }

    Win32Clipboard real;
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(WindowsContractOnWin32, WindowsContract, Win32WindowsWorld);
INSTANTIATE_TYPED_TEST_SUITE_P(FilesContractOnWin32, FilesContract, Win32FilesWorld);
INSTANTIATE_TYPED_TEST_SUITE_P(ProfilesContractOnWin32, ProfilesContract, Win32ProfilesWorld);
INSTANTIATE_TYPED_TEST_SUITE_P(ClipboardContractOnWin32, ClipboardContract, Win32ClipboardWorld);
