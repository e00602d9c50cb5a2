// What keeps a message private, on real files, the real clipboard and real program starts:
// the exchange file wiped at start-up and at the end, a read-only one wiped too, the
// clipboard's text marked private, and a path with blanks started as one program.

#include <gtest/gtest.h>
#include <windows.h>

#include <shlobj.h>

#include <memory>
#include <string>

#include "mailers/CallDriver.h"
#include "platform/Processes.h"
#include "support/WinExecW.h"
#include "support/fileutil.h"
#include "win/BuildTree.h"
#include "win/InstalledProgram.h"
#include "win/OnWin32.h"
#include "win/StandinProgram.h"
#include "win/TestDir.h"
#include "win32/Win32Clipboard.h"
#include "win32/Win32System.h"

namespace {

const std::string kSecret = "Dear Bob, the plain text of a message.";

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The folder of the exchange file as the program makes it for this user.
std::string ExchangeFolder() {
    char local[MAX_PATH];
    EXPECT_EQ(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, local),
              S_OK);
    return std::string(local) + "\\Tervane 5";
}

// A second name for a file's blocks: what a wipe leaves in them shows through it, which a
// mere deletion would leave as they were.
class SecondName {
public:
    explicit SecondName(const std::string& file) : path_(file + ".second") {
        DeleteFileA(path_.c_str());
        EXPECT_TRUE(CreateHardLinkA(path_.c_str(), file.c_str(), nullptr));
    }
    ~SecondName() { DeleteFileA(path_.c_str()); }
    SecondName(const SecondName&) = delete;
    SecondName& operator=(const SecondName&) = delete;

    std::string Content() const { return FileContent(path_); }

private:
    std::string path_;
};

TEST(PrivacyOfTervane5, ALeftoverExchangeFileIsWipedAtStartUpAndAtTheEnd) {
    const InstalledProgram install;
    const std::string folder = ExchangeFolder();
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string exchange = folder + "\\tmpmfd.tmp";
    PutFile(exchange, kSecret);
    const SecondName blocks(exchange);

    const std::unique_ptr<StandinProgram> program = InstalledProgram::Start();
    ASSERT_EQ(InstalledProgram::WaitForTrayIcons(*program).size(), 2u) << "no tray icons";
    EXPECT_FALSE(Exists(exchange));
    EXPECT_EQ(blocks.Content(), "") << "the leftover was deleted, not wiped";

    PutFile(exchange, kSecret);  // a driver that hung wrote it and the user ended the driver
    PutFile(InstalledProgram::File("Installer.Flg"), "");
    EXPECT_EQ(program->WaitForExit(15000), std::optional<DWORD>(0));
    EXPECT_FALSE(Exists(exchange));
}

class PrivacyOnWin32 : public OnWin32 {};

// Windows refuses to delete a read-only file. The warning of a failed wipe counts as given
// already, so that a failure fails the test instead of waiting in a box.
TEST_F(PrivacyOnWin32, AReadOnlyExchangeFileIsWiped) {
    const std::string path = TestDir::File("tmpmfd.tmp");
    MakeReadOnlyFile(path, kSecret);
    WipeFailuresShown().insert(path);
    EXPECT_TRUE(WipeFile(path));
    EXPECT_FALSE(Exists(path));
}

// What PGP's tray program is handed: the text, and beside it the formats by which Windows
// keeps it out of the clipboard history and the cloud clipboard, and monitors leave it.
TEST(PrivacyOfTheClipboard, TheBodyHandedToPGPIsMarkedPrivateAndCanBeTakenBack) {
    Win32Clipboard clipboard;
    clipboard.SetText(kSecret);
    const unsigned sequence = clipboard.SequenceNumber();
    ASSERT_TRUE(OpenClipboard(nullptr));
    for (const char* name : {"ExcludeClipboardContentFromMonitorProcessing",
                             "CanIncludeInClipboardHistory", "CanUploadToCloudClipboard"}) {
        const UINT format = RegisterClipboardFormatA(name);
        EXPECT_TRUE(IsClipboardFormatAvailable(format)) << name;
        const HANDLE block = GetClipboardData(format);
        ASSERT_NE(block, nullptr) << name;
        ASSERT_GE(GlobalSize(block), sizeof(DWORD)) << name;
        EXPECT_EQ(*static_cast<const DWORD*>(GlobalLock(block)), 0u) << name;
        GlobalUnlock(block);
    }
    CloseClipboard();
    EXPECT_EQ(clipboard.Text(), kSecret);
    EXPECT_EQ(clipboard.SequenceNumber(), sequence);

    clipboard.Empty();
    EXPECT_NE(clipboard.SequenceNumber(), sequence);
    EXPECT_EQ(clipboard.Text(), "");
}

// Wine gives every path a short form; a volume without short names gives none.
class NoShortNames : public Win32System {
public:
    std::string ShortPath(const std::string&) override { return ""; }
};

// A planted "C:\Program.exe" that reports the first word after the split, 5, as its exit
// code; the driver reports its request, 7.
class BlankInProgramPath : public OnWin32 {
protected:
    BlankInProgramPath() {
        Os().system = &noShortNames;
        CreateDirectoryA("C:\\Program 5", nullptr);
        CreateDirectoryA(kDrivers, nullptr);
        EXPECT_TRUE(CopyFileA(ExitWithExe().c_str(), kDriver, FALSE));
        EXPECT_TRUE(CopyFileA(ExitWithExe().c_str(), kPlanted, FALSE));
    }
    ~BlankInProgramPath() override {
        DeleteFileA(kPlanted);
        DeleteFileA(kDriver);
        RemoveDirectoryA(kDrivers);
        RemoveDirectoryA("C:\\Program 5");
    }

    static constexpr const char* kDrivers = "C:\\Program 5\\Mail Drivers";
    static constexpr const char* kDriver = "C:\\Program 5\\Mail Drivers\\Driver.exe";
    static constexpr const char* kPlanted = "C:\\Program.exe";
    NoShortNames noShortNames;
};

TEST_F(BlankInProgramPath, TheRightProgramStartsAndThePlantedOneNever) {
    // The plant works: the path as it stands starts it.
    ASSERT_EQ(RunToEnd(std::string(kDriver) + " 7"), 5u);
    const std::string command = ProgramDriverCommand(kDrivers, "Driver.exe", "7");
    EXPECT_EQ(WinExecAndWait32(command, kSwShowNormal, kNormalPriorityClass), 7);
}

}  // namespace
