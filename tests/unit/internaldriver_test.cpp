#include "mailers/InternalDriver.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/FakeOs.h"
#include "mailers/ConfirmWindow.h"
#include "mailers/MFDDirectory.h"
#include "mailers/TargetText.h"
#include "mailers/TargetWindow.h"
#include "mailers/winop.h"

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr const char* kDrivers = "C:\\Drivers";
constexpr const char* kExchange = "c:\\t5\\tmpmfd.tmp";
constexpr WindowId kMain = 1;
constexpr std::uint32_t kPassword = 0x20;
const std::string kEncrypted =
    "-----BEGIN PGP MESSAGE-----\r\n\r\nhIwDx\r\n-----END PGP MESSAGE-----\r\n";

bool operator==(const ScreenRect& a, const ScreenRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(ListedKind, ANameFollowedByCrLfAnywhereInAListCaseRespected) {
    using K = std::optional<TargetKind>;
    const struct {
        const char* className;
        const char* selAll;
        const char* getSet;
        K kind;
    } cases[] = {
        {"Edit", "", "Edit\r\n", TargetKind::TextByMessage},
        {"Edit", "", "RichEdit\r\n", TargetKind::TextByMessage},  // a line lists its endings
        {"RichEdit", "", "Edit\r\n", std::nullopt},
        {"Edit", "", "edit\r\n", std::nullopt},
        {"Edit", "", "Memo\r\nEdit", std::nullopt},  // a last line without CR LF
        {"Edit", "", "Edit\n", std::nullopt},
        {"Edit", "Edit\r\n", "", TargetKind::MenuCopy},
        {"Edit", "Edit\r\n", "Edit\r\n", TargetKind::MenuCopy},  // both lists: menu copy
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ListedKind(c.className, c.selAll, c.getSet), c.kind)
            << c.className << " in '" << c.selAll << "' / '" << c.getSet << "'";
    }
}

TEST(IndicatorPlaces, BarsOverThreeEdgesAndThePanelOverTheBottom) {
    const IndicatorPlaces p = IndicatorPlacesAround({100, 100, 500, 400});
    EXPECT_TRUE(p.leftBar == (ScreenRect{100, 100, 106, 400}));
    EXPECT_TRUE(p.topBar == (ScreenRect{100, 100, 500, 106}));
    EXPECT_TRUE(p.rightBar == (ScreenRect{494, 100, 500, 400}));
    EXPECT_TRUE(p.panel == (ScreenRect{100, 340, 500, 400}));
}

TEST(PanelButtonLayout, YesEndsAndNoStartsAtTheMiddle) {
    const struct {
        int label1Left, label1Width, top, yesLeft, noLeft;
    } cases[] = {{0, 536, 31, 211, 268}, {0, 400, 31, 143, 200}, {10, 401, 31, 138, 195}};
    for (const auto& c : cases) {
        const PanelButtonPlaces b = PanelButtonLayout(c.label1Left, c.label1Width, 57, 25);
        EXPECT_EQ(b.top, c.top);
        EXPECT_EQ(b.yesLeft, c.yesLeft) << c.label1Width;
        EXPECT_EQ(b.noLeft, c.noLeft) << c.label1Width;
    }
}

TEST(ParseInternalRequest, LowerCasedModeBeforeTheBlankFileAfterFileIs) {
    const struct {
        const char* request;
        const char* mode;
        const char* file;
    } cases[] = {
        {"Read File=C:\\TEMP\\X.TMP", "read", "c:\\temp\\x.tmp"},
        {"data", "", ""},
        {"Data File=", "data", ""},
        {"Write File=A File=B", "write", "a file=b"},
        {"Write x", "write", ""},
    };
    for (const auto& c : cases) {
        const InternalRequest r = ParseInternalRequest(c.request);
        EXPECT_EQ(r.mode, c.mode) << c.request;
        EXPECT_EQ(r.file, c.file) << c.request;
    }
}

// The class lists of the drivers directory name "Edit" and "RichEdit20W" for text by message
// and "Internet Explorer_Server" for menu copy; the program's main window is the topmost.
class InternalDriverTest : public FakeOs {
protected:
    InternalDriverTest() {
        Mailers().directory = kDrivers;
        files.Put(std::string(kDrivers) + "\\GetSet.AC", "Edit\r\nRichEdit20W\r\n");
        files.Put(std::string(kDrivers) + "\\SelAll.AC", "Internet Explorer_Server\r\n");
        windows.Add(kMain, 0, "Tervane 5", "TfrmProps");
        ui.mainWindow = kMain;
    }

    void Window(WindowId w, WindowId parent, const std::string& className, int width, int height) {
        windows.Add(w, parent, "", className);
        windows.windows[w].bounds = {10, 20, 10 + width, 20 + height};
    }

    // A top-level frame 50 whose Edit menu (200) holds the items, above a listed child 51. The
    // frame's command 12 copies: it puts the child's text on the clipboard.
    void MenuCopyWindow(const std::vector<FakeWindows::MenuItem>& editItems) {
        Window(50, 0, "Frame", 600, 500);
        Window(51, 50, "Internet Explorer_Server", 500, 400);
        windows.menuBars[50] = 100;
        windows.menus[100] = {{"&Edit", 0, 200}};
        windows.menus[200] = editItems;
        windows.onCommand[50] = [this](unsigned id) {
            if (id == 12) {
                clipboard.text = "copied text";
            }
        };
    }

    TMFDData Reply() {
        TMFDData reply;
        ReadMFDFile(kExchange, reply);
        return reply;
    }

    void WriteRequestWithBody(const std::string& body) {
        TMFDData written;
        written.Body = body;
        written.HasBody = !body.empty();
        files.Put(kExchange, MFDText(written));
        RunInternalDriver(std::string("Write File=") + kExchange);
    }
};

TEST_F(InternalDriverTest, OnlyWindowsLargerThan150BothWaysQualify) {
    const struct {
        int width, height;
        bool qualifies;
    } cases[] = {{151, 151, true}, {150, 400, false}, {400, 150, false}};
    WindowId w = 10;
    for (const auto& c : cases) {
        Window(++w, 0, "Edit", c.width, c.height);
        EXPECT_EQ(SearchTargetWindow().window, c.qualifies ? w : 0) << c.width << "x" << c.height;
        windows.windows[w].minimised = true;  // out of the next case's way
    }
}

TEST_F(InternalDriverTest, TheLargestQualifyingWindowWinsAndTheFirstOfEqualOnes) {
    Window(10, 0, "Edit", 900, 900);
    windows.contents[10].style = 0x50000000 | kPassword;
    Window(20, 0, "Frame", 800, 800);
    Window(21, 20, "Edit", 700, 700);
    windows.windows[20].minimised = true;
    Window(kMain + 1, kMain, "Edit", 500, 500);  // the program's own
    Window(30, 0, "Frame", 600, 600);
    Window(31, 30, "Static", 500, 500);
    Window(32, 30, "RichEdit20W", 300, 300);
    Window(33, 30, "Edit", 300, 300);
    const TargetWindow first = SearchTargetWindow();
    EXPECT_EQ(first.window, WindowId{32});
    EXPECT_EQ(first.kind, TargetKind::TextByMessage);

    Window(40, 0, "Internet Explorer_Server", 301, 300);
    const TargetWindow larger = SearchTargetWindow();
    EXPECT_EQ(larger.window, WindowId{40});
    EXPECT_EQ(larger.kind, TargetKind::MenuCopy);

    files.Remove(std::string(kDrivers) + "\\GetSet.AC");
    files.Remove(std::string(kDrivers) + "\\SelAll.AC");
    EXPECT_FALSE(SearchTargetWindow().found) << "without class lists nothing qualifies";
}

TEST_F(InternalDriverTest, AWindowNineLevelsDeepIsFoundAndTheUserToldOnce) {
    Window(10, 0, "Frame", 800, 800);
    for (WindowId level = 1; level <= 9; ++level) {
        Window(10 + level, 10 + level - 1, level == 9 ? "Edit" : "Pane", 600, 600);
    }
    user.answers = {mrAbort};
    EXPECT_EQ(SearchTargetWindow().window, WindowId{19});
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, kTooComplexWindows);
}

TEST_F(InternalDriverTest, TheWindowFoundIsBroughtForwardAndFramedForTheQuestion) {
    EXPECT_FALSE(FindTargetWindow().found);
    EXPECT_THAT(ui.askedAt, IsEmpty()) << "nothing to ask about";

    Window(10, 0, "Edit", 400, 300);
    ui.windowAnswers = {false, true};
    EXPECT_FALSE(FindTargetWindow().found);
    EXPECT_TRUE(FindTargetWindow().found);
    EXPECT_THAT(windows.calls, ElementsAre("SetForeground 10", "SetForeground 10"));
    ASSERT_EQ(ui.askedAt.size(), 2u);
    EXPECT_TRUE(ui.askedAt[0].panel == (ScreenRect{10, 260, 410, 320}));
}

TEST_F(InternalDriverTest, DataAndReadRepliesSayNoWindowIsNeeded) {
    RunInternalDriver(std::string("Data File=") + kExchange);
    const TMFDData data = Reply();
    EXPECT_EQ(data.Short, ">None<");
    EXPECT_FALSE(data.HasBody);
    EXPECT_EQ(data.Wtype, 0);

    const struct {
        std::string text;
        int wtype;
    } cases[] = {
        {"", 0}, {"Hello Bob", kWtypeOutgoing}, {"Dear Bob,\r\n" + kEncrypted, kWtypeIncoming}};
    Window(10, 0, "Edit", 400, 300);
    for (const auto& c : cases) {
        windows.contents[10].text = c.text;
        ui.windowAnswers = {true};
        RunInternalDriver(std::string("read File=") + kExchange);
        const TMFDData read = Reply();
        EXPECT_EQ(read.Body, c.text);
        EXPECT_EQ(read.HasBody, !c.text.empty());
        EXPECT_EQ(read.Wtype, c.wtype) << c.text;
        EXPECT_EQ(read.Short, ">None<");
    }
    EXPECT_THAT(windows.calls, Contains("GetText 10 10"));  // length + 1 for "Hello Bob"
}

TEST_F(InternalDriverTest, RequestsItDoesNotKnowAndWritesWithoutBodyDoNothing) {
    Window(10, 0, "Edit", 400, 300);
    for (const char* request : {"data", "", "Delete File=c:\\t5\\tmpmfd.tmp"}) {
        RunInternalDriver(request);
    }
    WriteRequestWithBody("");
    EXPECT_THAT(windows.calls, IsEmpty());
    EXPECT_THAT(ui.askedAt, IsEmpty());
    EXPECT_THAT(files.calls, ElementsAre(std::string("ReadAll ") + kExchange));
}

TEST_F(InternalDriverTest, AConfirmedWindowIsWrittenOtherwiseTheResultWaitsOnTheClipboard) {
    Window(10, 0, "Edit", 400, 300);
    ui.windowAnswers = {true, false};
    WriteRequestWithBody(kEncrypted);
    EXPECT_EQ(windows.contents[10].text, kEncrypted);
    EXPECT_EQ(clipboard.text, "");

    WriteRequestWithBody("second result");
    EXPECT_EQ(windows.contents[10].text, kEncrypted);
    EXPECT_EQ(clipboard.text, "second result");
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, kResultOnClipboardNoWindow);
}

// Mended: a menu-copy window's result used to be dropped, after a second question.
TEST_F(InternalDriverTest, AMenuCopyWindowGetsItsResultOnTheClipboardWithoutAQuestion) {
    MenuCopyWindow({{"Select &All", 11, 0}, {"&Copy", 12, 0}});
    WriteRequestWithBody(kEncrypted);
    EXPECT_THAT(ui.askedAt, IsEmpty());
    EXPECT_EQ(clipboard.text, kEncrypted);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, kResultOnClipboardForMenuCopy);
    EXPECT_EQ(user.shown[0].kind, MsgDlgType::Information);
}

// Mended: a failed copy used to hand on whatever the clipboard held before.
TEST_F(InternalDriverTest, MenuCopyTakesOnlyWhatTheCopyPutOnTheClipboard) {
    const struct {
        std::vector<FakeWindows::MenuItem> editItems;
        const char* text;
        std::vector<std::string> sent;
    } cases[] = {
        {{{"Select &All\tCtrl+A", 11, 0}, {"&Copy", 12, 0}},
         "copied text",
         {"SendCommand 50 11", "SendCommand 50 12"}},
        {{{"Select &All", 11, 0}, {"&Paste", 13, 0}}, "", {"SendCommand 50 11"}},
        {{{"&Copy", 12, 0}}, "", {}},
    };
    MenuCopyWindow({});
    for (const auto& c : cases) {
        windows.menus[200] = c.editItems;
        clipboard.text = "an earlier decrypted message";
        windows.calls.clear();
        ui.windowAnswers = {true};
        EXPECT_EQ(ReadTargetText(), c.text);
        std::vector<std::string> sent;
        for (const std::string& call : windows.calls) {
            if (call.rfind("SendCommand", 0) == 0) {
                sent.push_back(call);
            }
        }
        EXPECT_EQ(sent, c.sent) << c.text;
    }
    EXPECT_EQ(clipboard.empties, 3);
    EXPECT_THAT(ui.sleeps, ElementsAre(100, 100, 100, 100, 100));
}

// Mended: an 8-bit read of a Unicode window turns the characters that the code page lacks
// into "?", which would then be processed as the message.
TEST_F(InternalDriverTest, AUnicodeTextThatTheCodePageCannotHoldIsNotRead) {
    Window(10, 0, "Edit", 400, 300);
    windows.contents[10].unicode = true;
    windows.contents[10].text = "Dear Bob";
    ui.windowAnswers = {true, true};
    EXPECT_EQ(ReadTargetText(), "Dear Bob");
    windows.contents[10].textInCodePage = false;
    EXPECT_EQ(ReadTargetText(), "");
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, kTextNotInCodePage);
    EXPECT_EQ(user.shown[0].kind, MsgDlgType::Error);
    for (const std::string& call : windows.calls) {
        EXPECT_EQ(call.rfind("GetText ", 0), std::string::npos) << "no 8-bit read";
    }
}

}  // namespace
