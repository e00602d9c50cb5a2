// The seam's contracts on the fakes that the unit tests use.

#include "contract/SeamContracts.h"
#include "fakes/FakeFiles.h"
#include "fakes/FakeProfiles.h"
#include "fakes/FakeServices.h"
#include "fakes/FakeSystem.h"

namespace {

struct FakeWindowsWorld {
    static constexpr const char* kCaption = "Compose - Demo Mail";
    static constexpr const char* kClass = "TervaneContractWindow";

    IWindows& Windows() { return fake; }
    WindowId MakeWindow() {
        fake.Add(++last, 0, kCaption, kClass);
        return last;
    }
    void Destroy(WindowId w) { fake.Remove(w); }

    FakeWindows fake;
    WindowId last = 100;
};

struct FakeFilesWorld {
    IFiles& Files() { return fake; }
    static std::string Path(const std::string& name) { return "C:\\Contract Dir\\" + name; }
    void Hold(const std::string& path) { fake.Hold(path); }
    void Release(const std::string& path) { fake.Release(path); }

    FakeFiles fake;
};

struct FakeProfilesWorld {
    IProfiles& Profiles() { return fake; }
    static std::string Path(const std::string& name) { return "C:\\Contract Dir\\" + name; }

    FakeProfiles fake;
};

struct FakeClipboardWorld {
    IClipboard& Clipboard() { return fake; }
    void Empty() { fake.text.clear(); }

    FakeClipboard fake;
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(WindowsContractOnFake, WindowsContract, FakeWindowsWorld);
INSTANTIATE_TYPED_TEST_SUITE_P(FilesContractOnFake, FilesContract, FakeFilesWorld);
INSTANTIATE_TYPED_TEST_SUITE_P(ProfilesContractOnFake, ProfilesContract, FakeProfilesWorld);
INSTANTIATE_TYPED_TEST_SUITE_P(ClipboardContractOnFake, ClipboardContract, FakeClipboardWorld);
