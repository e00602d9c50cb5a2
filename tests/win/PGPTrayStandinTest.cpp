// The PGP tray stand-in, run as the separate program it is and driven as the program drives
// PGP's tray program: text on the clipboard, a WM_COMMAND sent to its hidden window.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "core/PGPBlocks.h"
#include "win/PGPTrayStandin.h"
#include "win/TestDir.h"
#include "win32/Win32Clipboard.h"

namespace {

constexpr unsigned kAddKey = 40006;
constexpr unsigned kEncryptSign = 40007;
constexpr unsigned kDecryptVerify = 40008;
constexpr unsigned kProperties = 40012;
constexpr unsigned kDefault = 40016;
constexpr unsigned kEncrypt = 40017;
constexpr unsigned kSign = 40018;
constexpr unsigned kTools = 40019;

const std::string kKey =
    "-----BEGIN PGP PUBLIC KEY BLOCK-----\r\nVersion: 5.0\r\n\r\n"
    "mQA9AzSkZ0UAAAEBgM3Fq0Bvx0cVQm2c\r\n=Zp4y\r\n-----END PGP PUBLIC KEY BLOCK-----\r\n";
const std::string kOtherKey =
    "-----BEGIN PGP PUBLIC KEY BLOCK-----\r\nVersion: 5.0\r\n\r\n"
    "mQENAzS1aB8AAAEIAK7YcW9qRtU2vE0f\r\n=k3Qa\r\n-----END PGP PUBLIC KEY BLOCK-----\r\n";

std::string AllBytes() {
    std::string text;
    for (int byte = 1; byte < 256; ++byte) {
        text += static_cast<char>(byte);
    }
    return text;
}

// Texts whose lines could be taken for armour or lose their line ends on the way.
const std::vector<std::string> kAwkwardTexts = {
    AllBytes(),
    "Dear Bob,\r\n\r\n- see the list below\r\n-- \r\nAlice\r\n",
    "-----BEGIN PGP MESSAGE-----\r\nnot really one\r\n-----END PGP MESSAGE-----\r\n",
    "no line end at all",
    "",
};

std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 2;
    }
    return lines;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class PGPTrayStandinTest : public ::testing::Test {
protected:
    // Puts the text on the clipboard, has the stand-in carry out the command, and returns
    // the clipboard's text afterwards.
    std::string Apply(unsigned command, const std::string& text) {
        clipboard.SetText(text);
        EXPECT_TRUE(standin.Send(command)) << command;
        return clipboard.Text();
    }

    // The indented lines that follow the last command's line in the log.
    std::vector<std::string> NotesOfLastCommand() const {
        const std::vector<std::string> lines = standin.LogLines();
        auto last = lines.end();
        while (last != lines.begin() && (last - 1)->starts_with(" ")) {
            --last;
        }
        return {last, lines.end()};
    }

    using Notes = std::vector<std::string>;

    PGPTrayStandin standin;
    Win32Clipboard clipboard;
};

TEST_F(PGPTrayStandinTest, EncryptingGivesAnArmouredMessageThatDecryptsToTheExactText) {
    for (const unsigned command : {kEncrypt, kEncryptSign}) {
        for (const std::string& text : kAwkwardTexts) {
            SCOPED_TRACE(testing::Message() << command << " on " << text.substr(0, 20));
            const std::string encrypted = Apply(command, text);
            EXPECT_EQ(ClassifyPGP(encrypted), (TPGPBlocks{true, false, false, true}));
            const std::vector<std::string> lines = CrLfLines(encrypted);
            ASSERT_GE(lines.size(), 4u);
            EXPECT_EQ(lines[0], "-----BEGIN PGP MESSAGE-----");
            EXPECT_TRUE(lines[1].starts_with("Version: "));
            EXPECT_EQ(lines[2], "");
            EXPECT_EQ(lines.back(), "-----END PGP MESSAGE-----");
            for (const std::string& line : lines) {
                EXPECT_LE(line.size(), 64u);
                EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
            }
            EXPECT_EQ(Apply(kDecryptVerify, encrypted), text);
        }
    }
}

TEST_F(PGPTrayStandinTest, EncryptedTextIsUnreadableAndTheSameEachTimeWithSigningToldApart) {
    const std::string text = "Meet me at the old mill at noon.\r\n";
    const std::string encrypted = Apply(kEncrypt, text);
    EXPECT_EQ(encrypted.find("old mill"), std::string::npos);
    EXPECT_EQ(Apply(kEncrypt, text), encrypted);
    const std::string alsoSigned = Apply(kEncryptSign, text);
    EXPECT_NE(alsoSigned, encrypted);

    Apply(kDecryptVerify, encrypted);
    EXPECT_EQ(NotesOfLastCommand(), (Notes{"  decrypted", "  plain text put on the clipboard"}));
    Apply(kDecryptVerify, alsoSigned);
    EXPECT_EQ(NotesOfLastCommand(),
              (Notes{"  decrypted, good signature", "  plain text put on the clipboard"}));
}

TEST_F(PGPTrayStandinTest, DecryptedTextIsShownInAWindowOfItsOwn) {
    const std::string text = "Meet at noon\r\nby the bridge\r\n";
    Apply(kDecryptVerify, Apply(kEncrypt, text));
    const HWND window = standin.WaitForWindow(nullptr, "PGP Stand-in - Decrypted text");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    const HWND edit = FindWindowExA(window, nullptr, "Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(WindowText(edit), text);
    EXPECT_TRUE(GetWindowLongA(edit, GWL_STYLE) & ES_READONLY);
}

TEST_F(PGPTrayStandinTest, SigningGivesAClearSignedBlockThatVerifiesToTheExactText) {
    for (const std::string& text : kAwkwardTexts) {
        SCOPED_TRACE(text.substr(0, 20));
        const std::string signedText = Apply(kSign, text);
        // The text's own marker lines are escaped: only the signature's blocks count.
        EXPECT_EQ(ClassifyPGP(signedText), (TPGPBlocks{true, false, true, false}));
        EXPECT_TRUE(
            signedText.starts_with("-----BEGIN PGP SIGNED MESSAGE-----\r\nHash: SHA1\r\n\r\n"));
        EXPECT_TRUE(signedText.ends_with("-----END PGP SIGNATURE-----\r\n"));
        EXPECT_EQ(Apply(kDecryptVerify, signedText), text);
    }
}

TEST_F(PGPTrayStandinTest, AnAlteredSignedTextIsLeftAsItIsWithABadSignature) {
    std::string altered = Apply(kSign, "Pay Alice 10 pounds.\r\n");
    altered.replace(altered.find("10"), 2, "90");
    EXPECT_EQ(Apply(kDecryptVerify, altered), altered);
    EXPECT_EQ(NotesOfLastCommand(),
              (Notes{"  BAD signature", "  nothing opened: clipboard left as it was"}));
}

TEST_F(PGPTrayStandinTest, BlocksAmidOtherTextAreOpenedWhereTheyStand) {
    const std::string encrypted = Apply(kEncrypt, "the secret\r\n");
    const std::string signedText = Apply(kSign, "the statement");
    EXPECT_EQ(Apply(kDecryptVerify,
                    "Bob wrote:\r\n" + encrypted + "and signed:\r\n" + signedText + "Bye."),
              "Bob wrote:\r\nthe secret\r\nand signed:\r\nthe statementBye.");
}

TEST_F(PGPTrayStandinTest, TextWithoutAnEncryptedOrSignedBlockIsLeftUnchangedAndLogged) {
    for (const std::string& text : {std::string("Just a note.\r\n"), kKey}) {
        EXPECT_EQ(Apply(kDecryptVerify, text), text);
        EXPECT_EQ(NotesOfLastCommand(),
                  Notes{"  no encrypted or signed block: clipboard left as it was"});
    }
    EXPECT_EQ(standin.WaitForWindow(nullptr, "PGP Stand-in - Decrypted text", 0), nullptr);
}

TEST_F(PGPTrayStandinTest, AKeyInsideTheDecryptedTextGoesOnTheImportListOnce) {
    const std::string plain = "My new key:\r\n" + kKey;
    const std::string encrypted = Apply(kEncrypt, plain);
    const std::string decrypted = Apply(kDecryptVerify, encrypted);
    EXPECT_EQ(decrypted, plain);
    // What makes the program send the key on for import.
    EXPECT_TRUE(ClassifyPGP(decrypted).HasPublicKey);
    EXPECT_EQ(FileContent(PGPTrayStandin::File("keys-to-import.txt")), kKey);

    Apply(kDecryptVerify, encrypted);
    EXPECT_EQ(FileContent(PGPTrayStandin::File("keys-to-import.txt")), kKey);
    EXPECT_FALSE(FileExists(PGPTrayStandin::File("keyring.txt")));
}

TEST_F(PGPTrayStandinTest, AddKeyAppendsEachKeyBlockToTheKeyringOnce) {
    const std::string text = "Keys:\r\n" + kKey + "and\r\n" + kOtherKey + "end";
    EXPECT_EQ(Apply(kAddKey, text), text);
    EXPECT_EQ(FileContent(PGPTrayStandin::File("keyring.txt")), kKey + kOtherKey);
    EXPECT_EQ(NotesOfLastCommand(), Notes{"  imported 2 of 2 key block(s)"});

    Apply(kAddKey, kOtherKey);
    EXPECT_EQ(FileContent(PGPTrayStandin::File("keyring.txt")), kKey + kOtherKey);
    EXPECT_EQ(NotesOfLastCommand(), Notes{"  imported 0 of 1 key block(s)"});
}

TEST_F(PGPTrayStandinTest, AddKeyWithoutAKeyBlockImportsNothingAndSaysSo) {
    Apply(kAddKey, "-----BEGIN PGP PUBLIC KEY BLOCK-----\r\nno end line\r\n");
    EXPECT_FALSE(FileExists(PGPTrayStandin::File("keyring.txt")));
    EXPECT_EQ(NotesOfLastCommand(), Notes{"  no public-key block: nothing imported"});
}

TEST_F(PGPTrayStandinTest, CancelLeavesTheClipboardAsItWasUntilTheSettingIsTakenBack) {
    const std::string plain = "Plain words\r\n";
    const std::string signedText = Apply(kSign, plain);
    standin.Configure({"Cancel=1"});
    for (const unsigned command : {kEncrypt, kSign, kEncryptSign}) {
        EXPECT_EQ(Apply(command, plain), plain) << command;
        EXPECT_EQ(NotesOfLastCommand(), Notes{"  cancelled: clipboard left as it was"});
    }
    EXPECT_EQ(Apply(kDecryptVerify, signedText), signedText);
    Apply(kAddKey, kKey);
    EXPECT_FALSE(FileExists(PGPTrayStandin::File("keyring.txt")));

    standin.Configure({"Cancel=0"});
    EXPECT_TRUE(ClassifyPGP(Apply(kEncrypt, plain)).HasMessage);
}

TEST_F(PGPTrayStandinTest, NoEncryptedOutputLeavesThePlainTextForTheEncryptingCommandsOnly) {
    const std::string plain = "Plain words\r\n";
    standin.Configure({"NoEncryptedOutput=1"});
    EXPECT_EQ(Apply(kEncrypt, plain), plain);
    EXPECT_EQ(Apply(kEncryptSign, plain), plain);
    EXPECT_EQ(NotesOfLastCommand(), Notes{"  no encrypted output: clipboard left as it was"});
    EXPECT_TRUE(ClassifyPGP(Apply(kSign, plain)).HasSigned);
}

// The main thread sends, as the program does: a thread that waits inside SendMessageA still
// answers the messages sent to its windows, such as the clipboard's to its owner.
TEST_F(PGPTrayStandinTest, HoldOpenKeepsTheSenderWaitingUntilTheBoxIsClosed) {
    const std::string plain = "Held text\r\n";
    standin.Configure({"HoldOpen=1"});
    clipboard.SetText(plain);
    std::atomic<bool> returned = false;
    struct WhileHeld {
        bool boxSeen = false;
        bool returned = true;
        std::string lastCommand;
        std::string clipboard;
    } held;
    std::jthread closer([&] {
        const HWND box = standin.WaitForWindow("#32770", "PGP Stand-in - Busy");
        held.boxSeen = box != nullptr;
        Sleep(200);
        held.returned = returned;
        held.lastCommand = standin.CommandLines().back();
        held.clipboard = clipboard.Text();
        SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    });

    EXPECT_TRUE(standin.Send(kEncrypt, 30000));
    returned = true;
    closer.join();
    EXPECT_TRUE(held.boxSeen);
    EXPECT_FALSE(held.returned);
    EXPECT_EQ(held.lastCommand, "40017 -AutoEncrypt");
    EXPECT_EQ(held.clipboard, plain);
    EXPECT_TRUE(ClassifyPGP(clipboard.Text()).HasMessage);
}

TEST_F(PGPTrayStandinTest, PreferencesAndToolsOpenWindowsOfTheirOwn) {
    const std::pair<unsigned, const char*> cases[] = {
        {kProperties, "PGP Stand-in - Preferences"},
        {kTools, "PGP Stand-in - Tools"},
    };
    for (const auto& [command, caption] : cases) {
        EXPECT_EQ(Apply(command, "untouched"), "untouched");
        const HWND window = standin.WaitForWindow(nullptr, caption);
        ASSERT_NE(window, nullptr) << caption;
        EXPECT_TRUE(IsWindowVisible(window)) << caption;
    }
}

TEST_F(PGPTrayStandinTest, LogNamesEveryCommandReceivedAndUnknownOnesDoNothing) {
    for (const unsigned command :
         {kEncrypt, kSign, kEncryptSign, kDecryptVerify, kAddKey, kProperties, kTools}) {
        standin.Send(command);
    }
    EXPECT_EQ(Apply(kDefault, "left alone"), "left alone");
    EXPECT_EQ(Apply(12345, "left alone"), "left alone");
    EXPECT_EQ(
        standin.CommandLines(),
        (std::vector<std::string>{"40017 -AutoEncrypt", "40018 -AutoSign", "40007 -AutoEncryptSign",
                                  "40008 -AutoDecryptVerify", "40006 -AddKey", "40012 -Properties",
                                  "40019 -Tools", "40016 (default)", "12345 (unknown)"}));
}

}  // namespace
