// The tray program's parsers and rules on texts as GnuPG writes them, where no real GnuPG
// run shows every case.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "TrayFakes.h"
#include "gpgtray/core/ColonListing.h"
#include "gpgtray/core/FailureText.h"
#include "gpgtray/core/ImportResult.h"
#include "gpgtray/core/KeyRules.h"
#include "gpgtray/core/RecipientChoice.h"
#include "gpgtray/core/Signature.h"
#include "gpgtray/core/TextUtil.h"
#include "gpgtray/core/TrayProgram.h"

namespace {

using namespace gpgtray;

TEST(ColonListing, TakesThePrimaryFingerprintUnescapedUserIdsAndLeavesRevokedOnesOut) {
    const std::vector<Key> keys = ParseKeyListing(
        "tru:o:1:1796718020:1:3:1:5\n"
        "pub:f:255:22:66A7E3AEB38A3E9F:1796718020:1828254020::-:::scESC:::::ed25519:::0:\r\n"
        "fpr:::::::::96A4E73453299CCB1357937766A7E3AEB38A3E9F:\n"
        "uid:f::::1796718020::4A38::Bob M\xc3\xbcller (work\\x3a home) "
        "<bob@example.org>::::::::::0:\n"
        "uid:r::::1796718020::4A39::Bob <old@example.org>::::::::::0:\n"
        "sub:f:255:18:B8CAF56AED87CC76:1796718020::::::e:::::cv25519::\n"
        "fpr:::::::::C8A9DBDBED57E3D6B918F450B8CAF56AED87CC76:\n"
        "sec:u:255:22:2FC5820E1729CC87:1796718020:::u:::scESC:::+::ed25519:::0:\n");
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].fingerprint, "96A4E73453299CCB1357937766A7E3AEB38A3E9F");
    EXPECT_EQ(keys[0].keyId, "66A7E3AEB38A3E9F");
    EXPECT_EQ(keys[0].validity, 'f');
    EXPECT_EQ(keys[0].expires, 1828254020);
    EXPECT_EQ(keys[0].userIds,
              std::vector<std::string>{"Bob M\xc3\xbcller (work: home) <bob@example.org>"});
    EXPECT_FALSE(keys[0].secret);
    EXPECT_TRUE(keys[1].secret);
    EXPECT_EQ(keys[1].Label(), "2FC5820E1729CC87") << "no user ID: the key id";
}

TEST(KeyRules, OnlyUsableKeysAreOfferedAndOnlyFullOrUltimateOnesNeedNoWord) {
    const struct {
        char validity;
        const char* capabilities;
        bool offered, certain;
    } cases[] = {
        {'f', "scESC", true, true},  {'u', "scESC", true, true},   {'m', "scESC", true, false},
        {'-', "scESC", true, false}, {'e', "scESC", false, false}, {'r', "scESC", false, false},
        {'f', "scSC", false, true},  {'f', "scESCD", false, true}, {'i', "scESC", false, false},
    };
    for (const auto& c : cases) {
        Key key;
        key.validity = c.validity;
        key.capabilities = c.capabilities;
        EXPECT_EQ(CanEncryptTo(key), c.offered) << c.validity << " " << c.capabilities;
        EXPECT_EQ(IsFullyValid(key), c.certain) << c.validity;
    }
}

TEST(KeyRules, TheFilterWantsEveryWordInSomeUserIdOrTheKeyId) {
    Key key;
    key.userIds = {"Bob M\xc3\xbcller <bob@example.org>", "Robert <robert@work.example>"};
    key.keyId = "66A7E3AEB38A3E9F";
    key.fingerprint = "96A4E73453299CCB1357937766A7E3AEB38A3E9F";
    for (const char* match : {"", "bob", "BOB example", "m\xc3\xbcller", "robert work", "3aeb38"}) {
        EXPECT_TRUE(MatchesFilter(key, match)) << match;
    }
    for (const char* miss : {"alice", "bob carol", "M\xc3\x9cLLER"}) {
        EXPECT_FALSE(MatchesFilter(key, miss)) << miss;
    }
    EXPECT_EQ(KeyRow(key), "Bob M\xc3\xbcller\tbob@example.org\t66A7E3AEB38A3E9F\tunknown\tnever");
}

TEST(RecipientChoice, StartsWithTheRememberedKeysAndKeepsTheChoiceAcrossFilters) {
    Key bob, carol, dave;
    bob = {"FB", "B", 'f', 0, 0, "E", {"Bob <bob@example.org>"}, false};
    carol = {"FC", "C", '-', 0, 0, "E", {"Carol <carol@example.org>"}, false};
    dave = {"FD", "D", 'e', 0, 0, "E", {"Dave <dave@example.org>"}, false};
    RecipientChoice choice({bob, carol, dave}, {"FC", "FD"}, true);
    ASSERT_EQ(choice.Offered().size(), 2u) << "the expired key is not offered";
    EXPECT_EQ(choice.ChosenFingerprints(), std::vector<std::string>{"FC"});
    EXPECT_EQ(choice.Matching("bob"), std::vector<std::size_t>{0});
    choice.SetChosen(0, true);
    EXPECT_EQ(choice.Matching(""), (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(choice.ChosenFingerprints(), (std::vector<std::string>{"FB", "FC"}));
    ASSERT_EQ(choice.Uncertain().size(), 1u);
    EXPECT_EQ(choice.Uncertain()[0]->fingerprint, "FC");
}

TEST(Signature, RevokedKeysExpiredSignaturesAndOtherErrorsHaveTheirWords) {
    const struct {
        const char* status;
        const char* words;
    } cases[] = {
        {"[GNUPG:] REVKEYSIG 2FC5 Alice%20A <a@x>\n[GNUPG:] VALIDSIG CB9B 2020-06-01 "
         "20200601T000000 "
         "0\n",
         "Signature from Alice A <a@x>, made 2020-06-01 00:00 UTC, but the signer's key has been "
         "revoked: do not trust it."},
        {"[GNUPG:] EXPSIG 2FC5 Alice <a@x>\n", "The signature from Alice <a@x> has expired."},
        {"[GNUPG:] ERRSIG 2FC5 22 8 01 1590969600 4\n",
         "The signature (key id 2FC5, made 2020-06-01 00:00 UTC) could not be checked."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SignatureWords(ReadSignature(ParseStatus(c.status))), c.words) << c.status;
    }
}

TEST(ImportResult, CountsKeysThatGainedDetailsAsChanged) {
    const ImportCounts counts = ReadImport(
        ParseStatus("[GNUPG:] IMPORT_OK 1 F1\n[GNUPG:] IMPORTED 11 Erin <erin@example.org>\n"
                    "[GNUPG:] IMPORT_OK 4 F2\n[GNUPG:] IMPORT_OK 10 F3\n[GNUPG:] IMPORT_OK 0 F4\n"
                    "[GNUPG:] IMPORT_RES 5 0 1 0 1 0 0 0 0 0 0 0 0 1 0\n"));
    EXPECT_EQ(ImportWords(counts),
              "5 keys read: 1 imported, 2 changed, 1 left unchanged, 1 refused.\r\n"
              "  New: Erin <erin@example.org>");
}

TEST(FailureText, NamesWhatHappenedFromTheStatusStream) {
    const struct {
        Operation operation;
        const char* status;
        const char* errors;
        const char* text;
    } cases[] = {
        {Operation::Decrypt, "[GNUPG:] ERROR pkdecrypt_failed 83886179\n", "",
         "Decrypting was cancelled."},
        {Operation::Decrypt, "[GNUPG:] NO_SECKEY 8F1B\n[GNUPG:] DECRYPTION_FAILED\n", "",
         "None of your secret keys can open this message: it was encrypted for other keys."},
        {Operation::Encrypt, "[GNUPG:] INV_RECP 0 FB\n", "",
         "GnuPG cannot encrypt to one of the chosen keys: it may have expired or been revoked. "
         "Choose other recipients."},
        {Operation::Export, "", "gpg: something odd\ngpg: it broke\n\n",
         "GnuPG could not copy the key (exit code 2).\r\n\r\nGnuPG said: gpg: it broke"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FailureText(c.operation, {2, "", ParseStatus(c.status), c.errors}), c.text);
    }
}

TEST(GpgLocation, PrefersTheNamedPathThenTheRegisteredFoldersThenTheSearchPath) {
    class Installations : public IGpgInstallations {
    public:
        std::vector<std::string> RegisteredFolders() const override {
            return {"C:\\Old", "C:\\GnuPG"};
        }
        bool FileExists(const std::string& path) const override { return path == present; }
        std::string OnSearchPath() const override { return "C:\\Tools\\gpg.exe"; }
        std::string present;
    } installations;
    EXPECT_EQ(FindGpg("D:\\gpg.exe", installations), "D:\\gpg.exe");
    EXPECT_EQ(FindGpg("", installations), "C:\\Tools\\gpg.exe");
    installations.present = "C:\\GnuPG\\bin\\gpg.exe";
    EXPECT_EQ(FindGpg("", installations), "C:\\GnuPG\\bin\\gpg.exe");
    installations.present = "C:\\Old\\gpg.exe";
    EXPECT_EQ(FindGpg("", installations), "C:\\Old\\gpg.exe");
}

TEST(TextUtil, LineEndsAndUtf8) {
    EXPECT_EQ(WithCrLf("a\nb\r\nc\n\n"), "a\r\nb\r\nc\r\n\r\n");
    for (const char* valid : {"", "plain",
                              "Gr\xc3\xbc\xc3\x9f"
                              "e",
                              "\xe6\x97\xa5", "\xf0\x9f\x98\x80"}) {
        EXPECT_TRUE(IsValidUtf8(valid)) << valid;
    }
    for (const char* invalid : {"Gr\xfc\xdf"
                                "e",
                                "\xc3", "\xe6\x97", "\x80", "\xc0\xaf"}) {
        EXPECT_FALSE(IsValidUtf8(invalid)) << invalid;
    }
}

TEST(TrayProgram, ATextInTheSystemCodePageComesOutAsUtf8) {
    // A runner that answers every command as GnuPG decrypting a Latin-1 message would.
    class Runner : public IProcessRunner {
    public:
        ProcessResult Run(const ProcessRequest&) override {
            return {true, 0,
                    "Gr\xfc\xdf"
                    "e\n",
                    "[GNUPG:] PLAINTEXT 62 0\n", ""};
        }
    } runner;
    FakeClipboard clipboard;
    clipboard.text = "-----BEGIN PGP SIGNED MESSAGE-----";
    MapSettings settings;
    SearchPathOnly installations;
    Latin1 codePage;
    ScriptedUser user;
    TrayProgram program({clipboard, runner, settings, installations, codePage, user});
    program.Handle(40008);
    EXPECT_EQ(clipboard.text,
              "Gr\xc3\xbc\xc3\x9f"
              "e\r\n");
}

}  // namespace
