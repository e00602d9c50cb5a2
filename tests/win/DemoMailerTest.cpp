// The demo mailer with its two drivers, the program driver and the script run by the
// interpreter: real windows in another process, read and written through the exchange file.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "core/MFDData.h"
#include "standins/DemoMail/DemoMailIds.h"
#include "win/StandinProgram.h"
#include "win/TestDir.h"

namespace {

constexpr const char* kDriversSection = "Mail Form Drivers";

const char* const kMessage =
    "From: Alice <alice@example.org>\r\n"
    "To: Bob <bob@example.org>\r\n"
    "Cc: carol@example.org, dave@example.org\r\n"
    "Subject: Quarterly report\r\n"
    "\r\n"
    "Hello Bob,\r\n\r\nthe figures are attached.\r\n-- \r\nAlice";
const char* const kBody = "Hello Bob,\r\n\r\nthe figures are attached.\r\n-- \r\nAlice";

struct Driver {
    const char* name;
    std::string command;  // the command line up to the request
};

std::vector<Driver> Drivers() {
    return {{"program driver", StandinPath("drivers\\DemoMfd.EXE") + " "},
            {"script", StandinPath("ORV.EXE") + " DemoMail.mfs "}};
}

std::string ShortPath(const std::string& path) {
    char shortPath[MAX_PATH] = "";
    GetShortPathNameA(path.c_str(), shortPath, sizeof shortPath);
    return shortPath;
}

std::string ProfileDriversPath() {
    char value[MAX_PATH] = "";
    GetProfileStringA(kDriversSection, "Path", "", value, sizeof value);
    return value;
}

std::string WindowText(HWND window) {
    char text[4096] = "";
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// Of the windows, the one that comes first in Z order.
HWND FrontMost(const std::vector<HWND>& windows) {
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        for (HWND candidate : windows) {
            if (window == candidate) {
                return window;
            }
        }
    }
    return nullptr;
}

// Z order changes of another program's windows reach the system through that program.
bool WaitUntilInFront(HWND front, const std::vector<HWND>& windows) {
    for (int i = 0; i < 500 && FrontMost(windows) != front; ++i) {
        Sleep(20);
    }
    return FrontMost(windows) == front;
}

// The drivers directory in WIN.INI is the test directory, whose name has blanks, holding
// the demo mailer's script; the exchange file is in its short form, as the program passes it.
class DemoMailerTest : public ::testing::Test {
protected:
    DemoMailerTest() : savedDriversPath_(ProfileDriversPath()) {
        std::string directory = TestDir::kPath;
        directory.pop_back();
        WriteProfileStringA(kDriversSection, "Path", directory.c_str());
        CopyFileA(StandinPath("drivers\\DemoMail.mfs").c_str(),
                  TestDir::File("DemoMail.mfs").c_str(), FALSE);
        PutFile(TestDir::File("message.txt"), kMessage);
        exchange_ = ShortPath(TestDir::kPath) + kExchangeFileName;
    }
    ~DemoMailerTest() override {
        WriteProfileStringA(kDriversSection, "Path",
                            savedDriversPath_.empty() ? nullptr : savedDriversPath_.c_str());
    }

    // Runs the driver with the request word and the exchange file; its exit code.
    DWORD Run(const std::string& command, const char* word) {
        DeleteFileA(exchange_.c_str());
        return RunToEnd(command + word + " File=" + exchange_);
    }

    // The driver's answer to the request, which must succeed.
    TMFDData Answer(const std::string& command, const char* word) {
        EXPECT_EQ(Run(command, word), 0u) << command << word;
        TMFDData record;
        ParseMFDText(FileContent(exchange_), record);
        return record;
    }

    bool ExchangeFileExists() const {
        return GetFileAttributesA(exchange_.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    void PutBodyForWrite(const std::string& body) {
        TMFDData record;
        record.Body = body;
        record.HasBody = true;
        PutFile(exchange_, MFDText(record));
    }

    static std::string Mailer(const char* option) {
        return StandinPath("DemoMail.exe") + " " + option + " \"" + TestDir::File("message.txt") +
               "\"";
    }

    TestDir dir_;
    std::string exchange_;

private:
    std::string savedDriversPath_;
};

TEST_F(DemoMailerTest, DataFileDescribesTheMailerWithoutAnyWindowOpen) {
    const struct {
        Driver driver;
        const char* information;
    } cases[] = {
        {Drivers()[0], "Demo Mail, the demo mail program (program driver DemoMfd.EXE)"},
        {Drivers()[1], "Demo Mail, the demo mail program (script DemoMail.mfs)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.driver.name);
        const TMFDData answer = Answer(c.driver.command, "Data");
        EXPECT_EQ(answer.Short, "Demo Mail");
        EXPECT_EQ(answer.Information, c.information);
        EXPECT_EQ(answer.Wtype, 0);
        EXPECT_FALSE(answer.HasBody);
    }
}

TEST_F(DemoMailerTest, ReadGivesTheShownMessageWithItsWindowTypeThroughBothDrivers) {
    const struct {
        const char* option;
        const char* windowClass;
        std::int32_t wtype;
    } windows[] = {
        {"/read", demomail::kReadClass, kWtypeIncoming},
        {"/compose", demomail::kComposeClass, kWtypeOutgoing},
    };
    for (const auto& w : windows) {
        SCOPED_TRACE(w.option);
        StandinProgram mailer(Mailer(w.option));
        ASSERT_NE(mailer.WaitForWindow(w.windowClass), nullptr);
        std::vector<TMFDData> answers;
        for (const Driver& driver : Drivers()) {
            SCOPED_TRACE(driver.name);
            answers.push_back(Answer(driver.command, "read"));
            const TMFDData& answer = answers.back();
            EXPECT_EQ(answer.Wtype, w.wtype);
            EXPECT_EQ(answer.To, "Bob <bob@example.org>");
            EXPECT_EQ(answer.Cc, "carol@example.org, dave@example.org");
            EXPECT_EQ(answer.Subject, "Quarterly report");
            EXPECT_EQ(answer.Body, kBody);
            EXPECT_TRUE(answer.HasBody);
        }
        EXPECT_EQ(answers[0], answers[1]);
    }
}

TEST_F(DemoMailerTest, ReadAnswersForTheFrontMostWindowAndWriteGoesToTheComposeWindow) {
    StandinProgram reader(Mailer("/read"));
    StandinProgram composer(StandinPath("DemoMail.exe"));
    HWND readWindow = reader.WaitForWindow(demomail::kReadClass);
    HWND composeWindow = composer.WaitForWindow(demomail::kComposeClass);
    ASSERT_NE(readWindow, nullptr);
    ASSERT_NE(composeWindow, nullptr);
    const struct {
        HWND front;
        std::int32_t wtype;
    } orders[] = {{readWindow, kWtypeIncoming}, {composeWindow, kWtypeOutgoing}};
    for (const auto& order : orders) {
        SetWindowPos(order.front, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ASSERT_TRUE(WaitUntilInFront(order.front, {readWindow, composeWindow}));
        for (const Driver& driver : Drivers()) {
            SCOPED_TRACE(driver.name);
            EXPECT_EQ(Answer(driver.command, "read").Wtype, order.wtype);
            const std::string text = std::string("Written by the ") + driver.name;
            PutBodyForWrite(text);
            EXPECT_EQ(RunToEnd(driver.command + "Write File=" + exchange_), 0u);
            EXPECT_EQ(WindowText(GetDlgItem(composeWindow, demomail::kBodyId)), text);
            EXPECT_EQ(WindowText(GetDlgItem(readWindow, demomail::kBodyId)), kBody);
        }
    }
}

TEST_F(DemoMailerTest, WithoutAWindowOfTheRightKindReadAndWriteFailAndWriteNothing) {
    for (const Driver& driver : Drivers()) {
        SCOPED_TRACE(driver.name);
        EXPECT_NE(Run(driver.command, "read"), 0u);
        EXPECT_FALSE(ExchangeFileExists());
    }
    StandinProgram reader(Mailer("/read"));
    HWND readWindow = reader.WaitForWindow(demomail::kReadClass);
    ASSERT_NE(readWindow, nullptr);
    for (const Driver& driver : Drivers()) {
        SCOPED_TRACE(driver.name);
        PutBodyForWrite("nowhere to go");
        EXPECT_NE(RunToEnd(driver.command + "Write File=" + exchange_), 0u);
        EXPECT_EQ(WindowText(GetDlgItem(readWindow, demomail::kBodyId)), kBody);
    }
}

}  // namespace
