// Detection and driver calls on real windows: the mailer library loaded from a drivers
// directory holding the demo mailer's program driver and script, the demo mailer running in
// another process, and the drivers started as the program starts them.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "core/MFDData.h"
#include "mailers/CallDriver.h"
#include "mailers/FindRunningMailer.h"
#include "mailers/MFDDirectory.h"
#include "platform/MailerWindows.h"
#include "standins/DemoMail/DemoMailIds.h"
#include "win/DriversInWinIni.h"
#include "win/OnWin32.h"
#include "win/PGPTrayStandin.h"
#include "win/StandinProgram.h"
#include "win/TestWindow.h"
#include "win32/Win32UserInterface.h"

namespace {

const char* const kMessage =
    "To: Bob <bob@example.org>\r\n"
    "Cc: carol@example.org\r\n"
    "Subject: Detection\r\n"
    "\r\n"
    "Found through the library.\r\n-- \r\nAlice";
constexpr const char* kProgramDriver = "DemoMfd.EXE";
constexpr const char* kScript = "DemoMail.mfs";

void Install(const std::string& standin, const std::string& name) {
    ASSERT_TRUE(CopyFileA(StandinPath(standin).c_str(), TestDir::File(name).c_str(), FALSE))
        << standin;
}

// The test directory, whose name has blanks, is both the program directory (holding the
// interpreter) and the drivers directory that WIN.INI names (holding the library, the
// program driver and the script); the main window is a hidden window of the test.
class MailerDetectionTest : public OnWin32 {
protected:
    MailerDetectionTest() : main_(nullptr, 50, 50) {
        Install("ORV.EXE", "ORV.EXE");
        Install("drivers\\DemoMfd.EXE", kProgramDriver);
        Install("drivers\\DemoMail.mfs", kScript);
        Install("drivers\\SELECTG.DAT", "SELECTG.DAT");
        PutFile(TestDir::File("message.txt"), kMessage);
        Paths().shortDir = ShortPath(TestDir::kPath);
        Paths().exchangeFile = Paths().shortDir + kExchangeFileName;
        win32.ui.SetMainWindow(main_.Get());
    }

    // Loads the library with only the mailer served by that driver in the Active list.
    void ActivateOnly(const std::string& driver) {
        std::string activeLine;
        LoadMailerLibrary();
        for (const std::string& entry : Mailers().library) {
            if (DriverFileOf(entry) == driver) {
                activeLine = entry + "\r\n";
            }
        }
        ASSERT_FALSE(activeLine.empty()) << driver << " is not offered";
        PutFile(TestDir::File("ActiveMailers.dat"), activeLine);
        LoadMailerLibrary();
        ASSERT_EQ(Mailers().activeDrivers, std::vector<std::string>{driver});
    }

    // Detection, then the message of the mailer's front window as the driver reads it.
    TMFDData DetectAndRead() {
        const std::unique_ptr<IMailerChooser> chooser = Os().mailerWindows->CreateChooser();
        EXPECT_FALSE(FindRunningMailer(*chooser, nullptr));
        EXPECT_EQ(GetFileAttributesA(Paths().exchangeFile.c_str()), INVALID_FILE_ATTRIBUTES)
            << "detection leaves no exchange file behind";
        CallDriver("read File=" + Paths().exchangeFile);
        TMFDData record;
        ReadMFDFile(Paths().exchangeFile, record);
        return record;
    }

    static std::string Mailer(const char* option) {
        return StandinPath("DemoMail.exe") + " " + option + " \"" + TestDir::File("message.txt") +
               "\"";
    }

private:
    DriversInWinIni drivers_;
    TestWindow main_;
};

TEST_F(MailerDetectionTest, BothDriversFindTheRunningMailerAndReadTheSameMessage) {
    StandinProgram mailer(Mailer("/read"));
    ASSERT_NE(mailer.WaitForWindow(demomail::kReadClass), nullptr);
    std::vector<TMFDData> records;
    for (const char* driver : {kProgramDriver, kScript}) {
        SCOPED_TRACE(driver);
        ActivateOnly(driver);
        records.push_back(DetectAndRead());
        EXPECT_EQ(Mailers().currentDriver, driver);
        EXPECT_EQ(records.back().Wtype, kWtypeIncoming);
        EXPECT_EQ(records.back().Subject, "Detection");
        EXPECT_EQ(records.back().Body, "Found through the library.\r\n-- \r\nAlice");
    }
    EXPECT_EQ(records[0], records[1]);
}

TEST_F(MailerDetectionTest, WriteFilePutsTheTextIntoTheComposeWindow) {
    StandinProgram mailer(StandinPath("DemoMail.exe"));
    HWND compose = mailer.WaitForWindow(demomail::kComposeClass);
    ASSERT_NE(compose, nullptr);
    for (const char* driver : {kProgramDriver, kScript}) {
        SCOPED_TRACE(driver);
        ActivateOnly(driver);
        const std::unique_ptr<IMailerChooser> chooser = Os().mailerWindows->CreateChooser();
        ASSERT_FALSE(FindRunningMailer(*chooser, nullptr));
        TMFDData record;
        record.Body = std::string("-----BEGIN PGP MESSAGE-----\r\nwritten through ") + driver;
        record.HasBody = true;
        WriteMFDFile(record, Paths().exchangeFile);
        CallDriver("Write File=" + Paths().exchangeFile);
        EXPECT_EQ(WindowText(GetDlgItem(compose, demomail::kBodyId)), record.Body);
    }
}

}  // namespace
