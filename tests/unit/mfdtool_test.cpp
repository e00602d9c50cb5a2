#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Escape.h"
#include "MfdTool.h"

namespace {

class MfdToolTest : public ::testing::Test {
protected:
    MfdToolTest() : dir_(std::filesystem::temp_directory_path() / ("mfdtool-" + Unique())) {
        std::filesystem::create_directories(dir_);
    }
    ~MfdToolTest() override { std::filesystem::remove_all(dir_); }

    std::string File(const std::string& name, const std::string& content) {
        const auto path = dir_ / name;
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }

    int Run(std::vector<std::string> args) {
        std::ostringstream out, err;
        const int status = RunMfdTool(args, out, err);
        out_ = out.str();
        err_ = err.str();
        return status;
    }

    std::string out_, err_;

private:
    static std::string Unique() {
        return std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }
    std::filesystem::path dir_;
};

const char kCompose[] =
    "MFD-Protocol-Version: 1\r\nWtype: 1\r\nTo: alice@example.org\r\nCc: List@Lists.example\r\n"
    "Subject:   Hello\t \r\nInformation: Demo\\Mail\r\n\r\nLine one\r\n\tLine two\x01\xff";

TEST(EscapeText, MakesEveryByteVisibleOnOneLine) {
    EXPECT_EQ(EscapeText("plain text ~"), "plain text ~");
    EXPECT_EQ(EscapeText("a\\b\r\n\t"), "a\\\\b\\r\\n\\t");
    EXPECT_EQ(EscapeText(std::string("\x00\x1f\x7f\x80\xff", 5)), "\\x00\\x1f\\x7f\\x80\\xff");
}

TEST_F(MfdToolTest, ParsePrintsEveryFieldInDeclaredOrder) {
    ASSERT_EQ(Run({"parse", File("compose.mfd", kCompose)}), kExitOk);
    EXPECT_EQ(out_,
              "ProtocolVersion=1\nInformation=Demo\\\\Mail\nWtype=1\nTitle=\nShort=\n"
              "To=alice@example.org\nHasTo=true\nCc=List@Lists.example\nHasCc=true\nBcc=\n"
              "HasBcc=false\nAttachment=\nHasAttachment=false\nSubject=Hello\nHasSubject=true\n"
              "Body=Line one\\r\\n\\tLine two\\x01\\xff\nHasBody=true\nCommand=0\nLacking=0\n"
              "WrapColumn=0\nDefaultMailDomain=\nMFDState=\n");
    EXPECT_EQ(err_, "");
}

TEST_F(MfdToolTest, ClassifyAndUnindentWorkOnTheWholeText) {
    const std::string text =
        "Hi\r\n   -----BEGIN PGP MESSAGE-----\r\n  data\r\n -----END PGP MESSAGE-----\r\n";
    const std::string file = File("read.txt", text);
    ASSERT_EQ(Run({"classify", file}), kExitOk);
    EXPECT_EQ(out_, "HasPGPBlock=false\nHasPublicKey=false\nHasSigned=false\nHasMessage=false\n");
    ASSERT_EQ(Run({"unindent", file}), kExitOk);
    EXPECT_EQ(out_, "Hi\r\n-----BEGIN PGP MESSAGE-----\r\n  data\r\n-----END PGP MESSAGE-----\r\n");
}

TEST_F(MfdToolTest, DecidePrintsTheCommandOfARun) {
    const std::string file = File("compose.mfd", kCompose);
    ASSERT_EQ(Run({"decide", "--option", "2", file}), kExitOk);
    EXPECT_EQ(out_, "command=-AutoEncryptSign\n");

    ASSERT_EQ(Run({"decide", "--option", "-1", file}), kExitOk);
    EXPECT_EQ(out_, "command=\n");

    const std::string list = File("MailingList.dat", "other@x\r\nlist@lists.example\r\n");
    ASSERT_EQ(Run({"decide", "--mailing-list", list, "--option", "0", file}), kExitOk);
    EXPECT_EQ(out_, "command=-AutoSign\n");
}

TEST_F(MfdToolTest, DecidePrintsStopsAndQuestionsEscaped) {
    ASSERT_EQ(Run({"decide", File("empty.mfd", "")}), kExitOk);
    EXPECT_EQ(out_, "stop=Couldn't get data from your e-mail program\n");

    ASSERT_EQ(Run({"decide", File("read.mfd", "Wtype: 3\r\n\r\nHello\tthere, how are you")}),
              kExitOk);
    EXPECT_EQ(out_,
              "stop=The incoming message that starts \"Hello\\tthere, ho\" does not "
              "contain any PGP data.\n");

    const std::string posting = File("post.mfd", "Wtype: 2\r\n\r\nTo the list");
    ASSERT_EQ(Run({"decide", "--special", "--option", "0", posting}), kExitOk);
    EXPECT_EQ(out_,
              "confirm=You have opted to encrypt a message to a mailing list or "
              "newsgroup. This is not usually appropriate conduct. Are you sure you want "
              "to do this?\ncommand=-AutoEncrypt\n");
}

TEST_F(MfdToolTest, ReadWindowWithKeyFollowsForceKeyRead) {
    const std::string file =
        File("key.mfd",
             "Wtype: 8\r\n\r\n-----BEGIN PGP SIGNED MESSAGE-----\r\n"
             "-----BEGIN PGP PUBLIC KEY BLOCK-----\r\n"
             "-----END PGP PUBLIC KEY BLOCK-----\r\n"
             "-----BEGIN PGP SIGNATURE-----\r\n-----END PGP SIGNATURE-----\r\n");
    ASSERT_EQ(Run({"decide", file}), kExitOk);
    EXPECT_EQ(out_, "command=-AutoDecryptVerify\n");
    ASSERT_EQ(Run({"decide", "--special", "--force-key-read", file}), kExitOk);
    EXPECT_EQ(out_, "command=-AddKey\n");
}

TEST_F(MfdToolTest, WrongArgumentsGiveUsageAndStatusTwo) {
    const std::string file = File("a.mfd", kCompose);
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"frobnicate", file},
        {"parse"},
        {"parse", file, file},
        {"classify", "--special", file},
        {"decide"},
        {"decide", "--option", "two", file},
        {"decide", "--option"},
        {"decide", "--verbose", file},
        {"decide", file, file},
    };
    for (const auto& args : wrong) {
        SCOPED_TRACE(::testing::PrintToString(args));
        EXPECT_EQ(Run(args), kExitUsage);
        EXPECT_EQ(out_, "");
        EXPECT_NE(err_.find("usage: mfdtool"), std::string::npos);
    }
}

TEST_F(MfdToolTest, MissingFilesAreNamedWithStatusOne) {
    const std::string missing = File("x", "") + "-missing";
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"parse", missing},
             {"unindent", missing},
             {"decide", "--mailing-list", missing, File("b.mfd", kCompose)}}) {
        EXPECT_EQ(Run(args), kExitFileProblem);
        EXPECT_EQ(out_, "");
        EXPECT_NE(err_.find(missing), std::string::npos) << err_;
        EXPECT_NE(err_.find("No such file"), std::string::npos) << err_;
    }
}

}  // namespace
