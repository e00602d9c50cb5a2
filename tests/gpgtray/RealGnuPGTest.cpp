// The tray program's commands carried out by the real GnuPG, each person in a home of their
// own with keys made for the test.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "GpgHome.h"
#include "gpgtray/core/CommandIds.h"
#include "gpgtray/core/TextUtil.h"

namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::MatchesRegex;
using ::testing::StartsWith;

constexpr const char* kEncryptedBegin = "-----BEGIN PGP MESSAGE-----\r\n";
const std::string kText = "Hello Bob,\r\n\r\nsee you on Thursday.\r\n";

// Alice and Bob, each with a key pair and the other's public key; Alice has certified Bob's.
class WithGnuPG : public ::testing::Test {
protected:
    void SetUp() override {
        aliceKey = alice.MakeKey("Alice <alice@example.org>");
        bobKey = bob.MakeKey("Bob <bob@example.org>");
        alice.Import(bob.PublicKey(bobKey));
        alice.Certify(bobKey);
        bob.Import(alice.PublicKey(aliceKey));
    }

    // Encrypts the text on the person's clipboard for the addresses; what the clipboard
    // then holds.
    static std::string Encrypt(GpgHome& person, const std::string& text,
                               const std::vector<std::string>& addresses,
                               unsigned command = GPGTRAY_ENCRYPT) {
        person.clipboard.text = text;
        person.user = ScriptedUser();
        person.user.choose = addresses;
        person.tray.Handle(command);
        return person.clipboard.text;
    }

    static std::string Open(GpgHome& person, const std::string& text) {
        person.clipboard.text = text;
        person.user = ScriptedUser();
        person.tray.Handle(GPGTRAY_DECRYPT_VERIFY);
        return person.clipboard.text;
    }

    static std::string ClearSigned(GpgHome& person, const std::string& text) {
        person.clipboard.text = text;
        person.tray.Handle(GPGTRAY_SIGN);
        return person.clipboard.text;
    }

    GpgHome alice, bob;
    std::string aliceKey, bobKey;
};

TEST_F(WithGnuPG, WhatAliceEncryptsForBobBothDecryptToTheSameTextInAnyLanguage) {
    for (const std::string& text : {kText, std::string("Grüße aus Köln, Ελλάδα, 日本語\r\n")}) {
        const std::string encrypted = Encrypt(alice, text, {"bob@example.org"});
        ASSERT_THAT(encrypted, StartsWith(kEncryptedBegin))
            << ::testing::PrintToString(alice.user.failures);
        EXPECT_EQ(gpgtray::WithCrLf(encrypted), encrypted) << "Windows line ends";
        EXPECT_EQ(Open(bob, encrypted), text);
        EXPECT_EQ(bob.user.openedText, text);
        EXPECT_EQ(bob.user.signatureWords, "The message was not signed.");
        EXPECT_EQ(Open(alice, encrypted), text) << "also encrypted to her own key";
    }
    EXPECT_EQ(alice.settings.Read("LastRecipients"), bobKey);
}

TEST_F(WithGnuPG, EncryptedAndSignedTellsWhoSignedAndThatTheKeyIsNotCertified) {
    const std::string encrypted = Encrypt(alice, kText, {"bob@example.org"}, GPGTRAY_ENCRYPT_SIGN);
    EXPECT_EQ(Open(bob, encrypted), kText);
    EXPECT_THAT(bob.user.signatureWords,
                StartsWith("Good signature from Alice <alice@example.org>, made 20"));
    EXPECT_THAT(bob.user.signatureWords, HasSubstr("not certified"));
}

TEST_F(WithGnuPG, VerifyingSaysWhoSignedWhenAndWhetherTheTextIsIntact) {
    GpgHome carol, dave;
    const std::string carolKey = carol.MakeKey("Carol <carol@example.org>");
    const std::string daveKey =
        dave.MakeKey("Dave <dave@example.org>", "", "1y", "20200101T000000");
    bob.Import(dave.PublicKey(daveKey));
    bob.Certify(aliceKey);
    std::string changed = ClearSigned(alice, kText);
    changed.replace(changed.find("Thursday"), 8, "Friday");
    const std::string made = ", made 20[0-9-]+ [0-9:]+ UTC";
    const struct {
        std::string clipboard, words;
        bool putOnClipboard;
    } cases[] = {
        {ClearSigned(alice, kText), "Good signature from Alice <alice@example.org>" + made + "\\.",
         true},
        {changed, "BAD signature from Alice <alice@example.org>: .*", false},
        {ClearSigned(carol, kText),
         "Signed by an unknown key \\(key id " + carolKey.substr(24) + made + "\\): .*", true},
        {dave.Gpg({"--faked-system-time", "20200601T000000!", "--clearsign"}, kText).output,
         "Good signature from Dave <dave@example.org>, made 2020-06-01 00:00 UTC, but the "
         "signer's key has expired\\.",
         true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Open(bob, c.clipboard), c.putOnClipboard ? kText : c.clipboard) << c.words;
        EXPECT_THAT(bob.user.signatureWords, MatchesRegex(c.words));
        EXPECT_THAT(bob.user.openedText, HasSubstr(c.putOnClipboard ? "Thursday" : "Friday"));
    }
}

TEST_F(WithGnuPG, ImportTellsWhatWasImportedAndWhatWasAlreadyThere) {
    GpgHome carol;
    const std::string key = carol.PublicKey(carol.MakeKey("Carol <carol@example.org>"));
    alice.clipboard.text = "Here is my key:\r\n" + key;
    alice.tray.Handle(GPGTRAY_ADD_KEY);
    alice.tray.Handle(GPGTRAY_ADD_KEY);
    alice.clipboard.text = "no key here";
    alice.tray.Handle(GPGTRAY_ADD_KEY);
    EXPECT_EQ(alice.user.informed,
              (std::vector<std::string>{"1 key read: 1 imported, 0 changed, 0 left unchanged.\r\n  "
                                        "New: Carol <carol@example.org>",
                                        "1 key read: 0 imported, 0 changed, 1 left unchanged."}));
    EXPECT_EQ(alice.user.failures,
              std::vector<std::string>{"The clipboard holds no OpenPGP key.\r\n\r\n"
                                       "The clipboard was left as it was."});
    EXPECT_EQ(alice.clipboard.text, "no key here");
}

TEST_F(WithGnuPG, ExpiredKeysAreNotOfferedAndUncertainOnesNeedTheUsersWord) {
    GpgHome carol, dave;
    const std::string carolKey = carol.MakeKey("Carol <carol@example.org>");
    alice.Import(carol.PublicKey(carolKey));
    alice.Import(
        dave.PublicKey(dave.MakeKey("Dave <dave@example.org>", "", "1y", "20200101T000000")));

    EXPECT_EQ(Encrypt(alice, kText, {"carol@example.org"}), kText) << "refused: nothing changed";
    EXPECT_THAT(alice.user.offered, ::testing::UnorderedElementsAre("Alice <alice@example.org>",
                                                                    "Bob <bob@example.org>",
                                                                    "Carol <carol@example.org>"));
    EXPECT_EQ(alice.user.uncertainAsked, std::vector<std::string>{"Carol <carol@example.org>"});
    EXPECT_THAT(alice.user.failures, IsEmpty()) << "a refusal is no failure";

    alice.user = ScriptedUser();
    alice.user.choose = {"carol@example.org"};
    alice.user.acceptUncertain = true;
    alice.clipboard.text = kText;
    alice.tray.Handle(GPGTRAY_ENCRYPT);
    EXPECT_EQ(Open(carol, alice.clipboard.text), kText);
}

TEST_F(WithGnuPG, AWrongPassPhraseLeavesTheClipboardAsItWas) {
    GpgHome carol;
    const std::string carolKey = carol.MakeKey("Carol <carol@example.org>", "right");
    carol.Configure("pinentry-mode loopback\npassphrase wrong\n");
    alice.Import(carol.PublicKey(carolKey));
    alice.Certify(carolKey);
    const std::string encrypted = Encrypt(alice, kText, {"carol@example.org"});
    EXPECT_EQ(Open(carol, encrypted), encrypted);
    EXPECT_EQ(ClearSigned(carol, kText), kText);
    EXPECT_EQ(carol.user.failures,
              (std::vector<std::string>{"The pass phrase was wrong: nothing was "
                                        "decrypted.\r\n\r\nThe clipboard was left as it was.",
                                        "The pass phrase was wrong: nothing was signed.\r\n\r\nThe "
                                        "clipboard was left as it was."}));
}

TEST_F(WithGnuPG, TenMegabytesGoThroughWithoutDeadlock) {
    std::string text;
    while (text.size() < 10 * 1024 * 1024) {
        text += "A line of a long message, line " + std::to_string(text.size()) + "\r\n";
    }
    const std::string encrypted = Encrypt(alice, text, {"bob@example.org"});
    ASSERT_THAT(encrypted, StartsWith(kEncryptedBegin));
    EXPECT_TRUE(Open(bob, encrypted) == text);
}

TEST_F(WithGnuPG, AMissingGnuPGIsNamedWithWhatToDo) {
    alice.settings.Write("GpgPath", "/nowhere/gpg.exe");
    alice.clipboard.text = kText;
    alice.tray.Handle(GPGTRAY_SIGN);
    ASSERT_EQ(alice.user.failures.size(), 1u);
    EXPECT_THAT(
        alice.user.failures[0],
        StartsWith("GnuPG could not be started from \"/nowhere/gpg.exe\".\r\n\r\nInstall GnuPG"));
    EXPECT_EQ(alice.clipboard.text, kText);
}

}  // namespace
