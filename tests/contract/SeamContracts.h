#pragma once
// What the portable code relies on from the seam's most used interfaces, as typed test
// suites: each test binary runs them on its own worlds, the fakes natively and the Win32
// implementations under Wine, with the same cases. A fake that answers where the system
// answers otherwise fails here, not in a whole-program test under Wine.
//
// A world makes the interface and the situations of the cases:
//   windows:   Windows(), MakeWindow() (a live top-level window with kCaption and kClass),
//              Destroy(id)
//   files:     Files(), Path(name) (a path in an empty folder), Hold(path) (another opener
//              holds the file without sharing it until Release(path))
//   profiles:  Profiles(), Path(name)
//   clipboard: Clipboard(), Empty() (the clipboard emptied by another program)

#include <gtest/gtest.h>

#include "platform/Clipboard.h"
#include "platform/FileError.h"
#include "platform/Files.h"
#include "platform/Profiles.h"
#include "platform/WindowApi.h"

template <typename World>
class WindowsContract : public ::testing::Test {
protected:
    // No window and a destroyed one give the same empty answers.
    void ExpectNoWindow(WindowId w) {
        IWindows& windows = world.Windows();
        EXPECT_EQ(windows.CaptionOf(w), "");
        EXPECT_EQ(windows.ClassNameOf(w), "");
        EXPECT_EQ(windows.ParentOf(w), 0u);
        EXPECT_EQ(windows.FirstChild(w), 0u);
        EXPECT_FALSE(windows.IsMinimised(w));
        EXPECT_EQ(windows.MenuBarOf(w), 0u);
        EXPECT_EQ(windows.Bounds(w).Width(), 0);
        EXPECT_EQ(windows.StyleOf(w), 0u);
        EXPECT_FALSE(windows.IsUnicode(w));
        EXPECT_EQ(windows.TextLength(w), 0);
        EXPECT_EQ(windows.TextByMessage(w, 100), "");
        EXPECT_EQ(windows.UnicodeTextByMessage(w).text, "");
    }

    World world;
};
TYPED_TEST_SUITE_P(WindowsContract);

TYPED_TEST_P(WindowsContract, WindowZeroIsNoWindow) {
    this->ExpectNoWindow(0);
}

TYPED_TEST_P(WindowsContract, ADestroyedWindowIsNoWindow) {
    const WindowId gone = this->world.MakeWindow();
    this->world.Destroy(gone);
    this->ExpectNoWindow(gone);
}

TYPED_TEST_P(WindowsContract, ALiveTopLevelWindowGivesItsTextsAndNoParent) {
    IWindows& windows = this->world.Windows();
    const WindowId w = this->world.MakeWindow();
    EXPECT_EQ(windows.CaptionOf(w), TypeParam::kCaption);
    EXPECT_EQ(windows.ClassNameOf(w), TypeParam::kClass);
    EXPECT_EQ(windows.ParentOf(w), 0u);
    EXPECT_FALSE(windows.IsMinimised(w));
}

REGISTER_TYPED_TEST_SUITE_P(WindowsContract, WindowZeroIsNoWindow, ADestroyedWindowIsNoWindow,
                            ALiveTopLevelWindowGivesItsTextsAndNoParent);

template <typename World>
class FilesContract : public ::testing::Test {
protected:
    // The system's error number of the failed operation, or 0 when it did not fail.
    template <typename Operation>
    static int OpenErrorOf(Operation operation) {
        try {
            operation();
        } catch (const FileError& e) {
            EXPECT_EQ(e.Step(), FileStep::Open);
            return e.Code();
        }
        return 0;
    }

    World world;
};
TYPED_TEST_SUITE_P(FilesContract);

TYPED_TEST_P(FilesContract, AMissingFileIsNotFoundAndNothingChangesIt) {
    IFiles& files = this->world.Files();
    const std::string path = this->world.Path("missing.txt");
    EXPECT_FALSE(files.Exists(path));
    EXPECT_EQ(this->OpenErrorOf([&] { files.ReadAll(path); }), kErrorFileNotFound);
    EXPECT_FALSE(files.Overwrite(path, "x"));
    EXPECT_FALSE(files.Truncate(path));
    EXPECT_FALSE(files.Remove(path));
    EXPECT_EQ(files.FindFirst(this->world.Path("missing*.txt")), "");
    EXPECT_FALSE(files.Exists(path));
}

TYPED_TEST_P(FilesContract, ABusyFileRefusesEveryOpenUntilItIsLetGo) {
    IFiles& files = this->world.Files();
    const std::string path = this->world.Path("busy.txt");
    files.WriteAll(path, "held");
    this->world.Hold(path);
    EXPECT_TRUE(files.Exists(path));
    EXPECT_EQ(this->OpenErrorOf([&] { files.ReadAll(path); }), kErrorSharingViolation);
    EXPECT_EQ(this->OpenErrorOf([&] { files.WriteAll(path, "new"); }), kErrorSharingViolation);
    EXPECT_FALSE(files.Overwrite(path, "new"));
    EXPECT_FALSE(files.Remove(path));
    this->world.Release(path);
    EXPECT_EQ(files.ReadAll(path), "held");
}

TYPED_TEST_P(FilesContract, BytesGoInAndComeOutExactly) {
    IFiles& files = this->world.Files();
    const std::string path = this->world.Path("bytes.bin");
    const std::string bytes("line\r\n\0\xFF end", 13);
    files.WriteAll(path, bytes);
    files.Append(path, "+");
    EXPECT_EQ(files.ReadAll(path), bytes + "+");
    EXPECT_TRUE(files.Overwrite(path, "LINE"));
    EXPECT_EQ(files.ReadAll(path).substr(0, 6), "LINE\r\n");
    EXPECT_TRUE(files.Truncate(path));
    EXPECT_EQ(files.ReadAll(path), "");
    EXPECT_TRUE(files.Remove(path));
    EXPECT_FALSE(files.Exists(path));
}

REGISTER_TYPED_TEST_SUITE_P(FilesContract, AMissingFileIsNotFoundAndNothingChangesIt,
                            ABusyFileRefusesEveryOpenUntilItIsLetGo, BytesGoInAndComeOutExactly);

template <typename World>
class ProfilesContract : public ::testing::Test {
protected:
    World world;
};
TYPED_TEST_SUITE_P(ProfilesContract);

TYPED_TEST_P(ProfilesContract, AMissingFileSectionOrKeyGivesTheDefault) {
    IProfiles& profiles = this->world.Profiles();
    const std::string path = this->world.Path("contract.ini");
    EXPECT_EQ(profiles.ReadPrivate(path, "General", "Key", "dflt"), "dflt");
    ASSERT_TRUE(profiles.WritePrivate(path, "General", "Key", "value"));
    EXPECT_EQ(profiles.ReadPrivate(path, "General", "Key", "dflt"), "value");
    EXPECT_EQ(profiles.ReadPrivate(path, "General", "Other", "dflt"), "dflt");
    EXPECT_EQ(profiles.ReadPrivate(path, "Other", "Key", "dflt"), "dflt");
    EXPECT_EQ(profiles.ReadSystem("Tervane Contract", "Missing", "dflt"), "dflt");
}

REGISTER_TYPED_TEST_SUITE_P(ProfilesContract, AMissingFileSectionOrKeyGivesTheDefault);

template <typename World>
class ClipboardContract : public ::testing::Test {
protected:
    World world;
};
TYPED_TEST_SUITE_P(ClipboardContract);

TYPED_TEST_P(ClipboardContract, AnEmptyClipboardHasTheEmptyText) {
    IClipboard& clipboard = this->world.Clipboard();
    clipboard.SetText("before");
    this->world.Empty();
    EXPECT_EQ(clipboard.Text(), "");
    clipboard.SetText("one\r\ntwo");
    EXPECT_EQ(clipboard.Text(), "one\r\ntwo");
    clipboard.SetText("");
    EXPECT_EQ(clipboard.Text(), "");
}

REGISTER_TYPED_TEST_SUITE_P(ClipboardContract, AnEmptyClipboardHasTheEmptyText);
