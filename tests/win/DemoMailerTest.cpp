// The demo mailer with its two drivers, the program driver and the script run by the
// interpreter: real windows in another process, read and written through the exchange file.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/MFDData.h"
#include "standins/DemoMail/DemoMailIds.h"
#include "win/DriversInWinIni.h"
#include "win/PGPTrayStandin.h"
#include "win/StandinProgram.h"
#include "win/TestDir.h"

// Failures show the record as the exchange file would hold it.
static void PrintTo(const TMFDData& record, std::ostream* out) {
    *out << "\n" << MFDText(record);
}

namespace {

const char* const kHeaders =
    "From: Alice <alice@example.org>\r\n"
    "To: Bob <bob@example.org>\r\n"
    "Cc: carol@example.org, dave@example.org\r\n"
    "Subject: Quarterly report\r\n"
    "\r\n";
// With an empty line of its own, which must not end it.
const char* const kBody = "Hello Bob,\r\n\r\nthe figures are attached.\r\n-- \r\nAlice";

struct Driver {
    const char* name;
    std::string command;  // the command line up to the request
};

std::vector<Driver> Drivers() {
    return {{"program driver", StandinPath("drivers\\DemoMfd.EXE") + " "},
            {"script", StandinPath("ORV.EXE") + " DemoMail.mfs "}};
}

bool PutClipboardText(const std::string& text) {
    if (!OpenClipboard(nullptr)) {
        return false;
    }
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    const bool put = SetClipboardData(CF_TEXT, memory) != nullptr;
    CloseClipboard();
    return put;
}

std::string ClipboardText() {
    if (!OpenClipboard(nullptr)) {
        return "(clipboard busy)";
    }
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
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
    DemoMailerTest() {
        CopyFileA(StandinPath("drivers\\DemoMail.mfs").c_str(),
                  TestDir::File("DemoMail.mfs").c_str(), FALSE);
        PutFile(TestDir::File("message.txt"), std::string(kHeaders) + kBody);
        exchange_ = ShortPath(TestDir::kPath) + kExchangeFileName;
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

    // The driver's read answer while front is in front of the other windows. The system may
    // still bring a window forward on its own (activating one after an earlier test's
    // windows closed), so an answer counts only when the order held from before to after.
    std::optional<TMFDData> AnswerInFront(const std::string& command, HWND front,
                                          const std::vector<HWND>& windows) {
        for (int attempt = 0; attempt < 10; ++attempt) {
            SetWindowPos(front, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            if (!WaitUntilInFront(front, windows)) {
                continue;
            }
            const TMFDData answer = Answer(command, "read");
            if (FrontMost(windows) == front) {
                return answer;
            }
        }
        return std::nullopt;
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
    DriversInWinIni drivers_;
    std::string exchange_;
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
    // Shown without activation, so that no window comes to the front on its own later.
    StandinProgram reader(Mailer("/read"), SW_SHOWNOACTIVATE);
    StandinProgram composer(StandinPath("DemoMail.exe"), SW_SHOWNOACTIVATE);
    HWND readWindow = reader.WaitForWindow(demomail::kReadClass);
    HWND composeWindow = composer.WaitForWindow(demomail::kComposeClass);
    ASSERT_NE(readWindow, nullptr);
    ASSERT_NE(composeWindow, nullptr);
    const struct {
        HWND front;
        std::int32_t wtype;
    } orders[] = {{readWindow, kWtypeIncoming}, {composeWindow, kWtypeOutgoing}};
    for (const auto& order : orders) {
        for (const Driver& driver : Drivers()) {
            SCOPED_TRACE(driver.name);
            const auto answer =
                AnswerInFront(driver.command, order.front, {readWindow, composeWindow});
            ASSERT_TRUE(answer.has_value()) << "the window order did not hold still";
            EXPECT_EQ(answer->Wtype, order.wtype);
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

// A read-window script whose keys vary; the rest as the demo mailer's own script.
std::string ReadScript(const std::string& windowKeys) {
    return "[MFS]\r\nType=Script\r\n[Mailer]\r\nShort=Demo Mail\r\nWindows= Other , Read ,\r\n"
           "[Other]\r\nCaption=Nothing like it\r\nWtype=2\r\nBody=105\r\n"
           "[Read]\r\n" +
           windowKeys;
}

TEST_F(DemoMailerTest, ScriptsFindFieldsByControlIdOrByClassAndIndex) {
    StandinProgram reader(Mailer("/read"));
    ASSERT_NE(reader.WaitForWindow(demomail::kReadClass), nullptr);
    const TMFDData expected = Answer(Drivers()[0].command, "read");
    const std::string script = StandinPath("ORV.EXE") + " Variant.mfs ";
    const struct {
        const char* name;
        const char* keys;
    } sameRecord[] = {
        {"by id",
         "Caption=Message - Demo Mail\r\nWtype=8\r\nTo=102\r\nCc=103\r\n"
         "Subject=104\r\nBody=105\r\n"},
        {"by class",
         "Caption=Demo Mail\r\nClass=DemoMailRead\r\nWtype=$8\r\nTo=Edit:2\r\n"
         "Cc= EDIT : 3 \r\nSubject=Edit:4\r\nBody=Edit:5\r\n"},
    };
    for (const auto& c : sameRecord) {
        SCOPED_TRACE(c.name);
        PutFile(TestDir::File("Variant.mfs"), ReadScript(c.keys));
        EXPECT_EQ(Answer(script, "read"), expected);
    }

    PutFile(TestDir::File("Variant.mfs"),
            ReadScript("Caption=Demo Mail\r\nWtype=8\r\nTo=Edit\r\nBody=Edit:0\r\nCc=999\r\n"));
    const TMFDData partial = Answer(script, "read");
    EXPECT_EQ(partial.To, "Alice <alice@example.org>") << "the first Edit is the From field";
    EXPECT_FALSE(partial.HasCc);
    EXPECT_FALSE(partial.HasSubject);
    EXPECT_FALSE(partial.HasBody);
    EXPECT_EQ(MFDText(partial).find("Subject:"), std::string::npos);

    const char* const unrecognised[] = {
        "Caption=Message - Demo Mail\r\nClass=DemoMailCompose\r\nBody=105\r\n",
        "Caption=message - demo mail\r\nBody=105\r\n",
        "Caption=\r\nBody=105\r\n",
    };
    for (const char* keys : unrecognised) {
        SCOPED_TRACE(keys);
        PutFile(TestDir::File("Variant.mfs"), ReadScript(keys));
        EXPECT_EQ(Run(script, "read"), 1u);
        EXPECT_FALSE(ExchangeFileExists());
    }
}

TEST_F(DemoMailerTest, BadRequestsAndAMissingScriptWriteNothing) {
    const std::string orv = StandinPath("ORV.EXE");
    const struct {
        std::string commandLine;
        DWORD exitCode;
    } cases[] = {
        {Drivers()[0].command + "Delete File=" + exchange_, 2},
        {Drivers()[0].command + "read", 2},
        {Drivers()[0].command + "read File=", 2},
        {Drivers()[1].command + "Send File=" + exchange_, 2},
        {orv + " DemoMail.mfs", 2},
        {orv, 2},
        {orv + " Missing.mfs Data File=" + exchange_, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.commandLine);
        DeleteFileA(exchange_.c_str());
        EXPECT_EQ(RunToEnd(c.commandLine), c.exitCode);
        EXPECT_FALSE(ExchangeFileExists());
    }
}

TEST_F(DemoMailerTest, WriteWithoutABodyOrWithoutAFileLeavesTheComposeWindowAlone) {
    StandinProgram composer(Mailer("/compose"));
    HWND window = composer.WaitForWindow(demomail::kComposeClass);
    ASSERT_NE(window, nullptr);
    for (const Driver& driver : Drivers()) {
        SCOPED_TRACE(driver.name);
        PutFile(exchange_, MFDText(TMFDData{}));
        EXPECT_EQ(RunToEnd(driver.command + "Write File=" + exchange_), 0u);
        EXPECT_EQ(Run(driver.command, "Write"), 3u);
        EXPECT_EQ(WindowText(GetDlgItem(window, demomail::kBodyId)), kBody);
    }
}

// The commands work on the field that last had the focus, the body until another is clicked.
TEST_F(DemoMailerTest, EditMenuCommandsCopyTheFocusedFieldToTheClipboard) {
    const struct {
        const char* option;
        const char* windowClass;
        int clickedField;  // 0 for none
        const char* copied;
    } cases[] = {
        {"/read", demomail::kReadClass, 0, kBody},
        {"/compose", demomail::kComposeClass, 0, kBody},
        {"/read", demomail::kReadClass, demomail::kSubjectId, "Quarterly report"},
        {"/compose", demomail::kComposeClass, demomail::kToId, "Bob <bob@example.org>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.option) + " " + std::to_string(c.clickedField));
        StandinProgram mailer(Mailer(c.option));
        HWND window = mailer.WaitForWindow(c.windowClass);
        ASSERT_NE(window, nullptr);
        if (c.clickedField) {
            // Sent, not posted, so that the click is handled before the commands below.
            HWND field = GetDlgItem(window, c.clickedField);
            SendMessageA(field, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
            SendMessageA(field, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        }
        ASSERT_TRUE(PutClipboardText("before"));
        SendMessageA(window, WM_COMMAND, demomail::kSelectAllCommand, 0);
        SendMessageA(window, WM_COMMAND, demomail::kCopyCommand, 0);
        EXPECT_EQ(ClipboardText(), c.copied);
    }
}

TEST_F(DemoMailerTest, MessageFileHeadersIgnoreCaseAndBlanksAndMayEndInLineFeed) {
    PutFile(TestDir::File("message.txt"),
            "SUBJECT:   Spaced out  \nx-mailer: ignored\r\nto:bob@example.org\r\n\r\nBody");
    StandinProgram reader(Mailer("/read"));
    HWND window = reader.WaitForWindow(demomail::kReadClass);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(window, demomail::kSubjectId)), "Spaced out");
    EXPECT_EQ(WindowText(GetDlgItem(window, demomail::kToId)), "bob@example.org");
    EXPECT_EQ(WindowText(GetDlgItem(window, demomail::kFromId)), "");
    EXPECT_EQ(WindowText(GetDlgItem(window, demomail::kBodyId)), "Body");
}

TEST_F(DemoMailerTest, ProgramDriverWithoutARequestShowsWhatItIs) {
    StandinProgram driver(StandinPath("drivers\\DemoMfd.EXE"));
    HWND box = driver.WaitForWindow("#32770");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(box), "Demo Mail driver");
    EXPECT_NE(FindWindowExA(box, nullptr, "Static",
                            "Demo Mail, the demo mail program (program driver DemoMfd.EXE)"),
              nullptr);
    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(driver.WaitForExit(), 0u);
}

}  // namespace
