#include "core/Decision.h"

#include <gtest/gtest.h>

#include <random>

#include "bench/baseline/LiteralMailingList.h"
#include "core/PGPCommands.h"

namespace {

const char kMessage[] = "-----BEGIN PGP MESSAGE-----\r\n\r\nhQEMA\r\n-----END PGP MESSAGE-----\r\n";
const char kKey[] =
    "-----BEGIN PGP PUBLIC KEY BLOCK-----\r\n\r\nmQINBF\r\n-----END PGP PUBLIC KEY BLOCK-----\r\n";
const char kSignedKey[] =
    "-----BEGIN PGP SIGNED MESSAGE-----\r\n\r\n-----BEGIN PGP PUBLIC KEY BLOCK-----\r\n"
    "-----END PGP PUBLIC KEY BLOCK-----\r\n-----BEGIN PGP SIGNATURE-----\r\n"
    "-----END PGP SIGNATURE-----\r\n";
const char kPlain[] = "Dear all,\r\nsee you.\r\n";
const char kListAddress[] = "List@Lists.example";

TEST(OptionToCommand, MapsTheThreeOptionsAndKeepsTheCommandOtherwise) {
    EXPECT_EQ(OptionToCommand(0, "x"), kCmdAutoEncrypt);
    EXPECT_EQ(OptionToCommand(1, "x"), kCmdAutoSign);
    EXPECT_EQ(OptionToCommand(2, "x"), kCmdAutoEncryptSign);
    EXPECT_EQ(OptionToCommand(-1, "x"), "x");
    EXPECT_EQ(OptionToCommand(3, ""), "");
}

TEST(MailingListHit, MatchesWholeTokensLetterCaseIgnored) {
    const std::vector<std::string> list = {"other@x", "list@lists.EXAMPLE"};
    const struct {
        const char* to;
        const char* cc;
        std::vector<std::string> list;
        bool hit;
    } cases[] = {
        {"a@x,List@Lists.example; b@x", "", list, true},
        {"a@x", "LIST@LISTS.EXAMPLE", list, true},
        {"a@x,;, b@x", "c@x", list, false},
        {"list@lists.example.org", "", list, false},
        {"sub.list@lists.example", "", list, false},
        {"<list@lists.example>", "", list, false},
        {"List <list@lists.example>", "", list, false},
        {"List <list@lists.example>", "", {"<LIST@lists.example>"}, true},
        {"\t list@lists.example \r\n", "", list, true},
        {"", "", list, false},
        {"", "", {"a@x", ""}, true},
        {",a@x", "", {""}, true},
        {"a@x", "", {""}, false},
        {"a@x,", "", {""}, false},
        {"a@x", "", {}, false},
        // A token holding a line end spans two items of the list text.
        {"other@x\r\nlist@lists.example", "", list, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MailingListHit(c.to, c.cc, c.list), c.hit)
            << '"' << c.to << "\" \"" << c.cc << "\" " << testing::PrintToString(c.list);
        EXPECT_EQ(LiteralMailingListHit(c.to, c.cc, c.list), c.hit) << c.to << " " << c.cc;
    }
}

// Pieces from which addresses and list items are made: letters that differ in case only,
// separators, line ends, characters that lower-casing leaves alone.
std::string RandomPieces(std::mt19937& gen, int maxPieces) {
    static const char* const kPieces[] = {"a", "A", "b", "B",  "@",  "<",  ">",    "\xc4", "\xe4",
                                          " ", ",", ";", "\t", "\r", "\n", "\r\n", ""};
    std::string text;
    for (int n = std::uniform_int_distribution<int>(0, maxPieces)(gen); n > 0; --n) {
        text += kPieces[std::uniform_int_distribution<int>(0, std::size(kPieces) - 1)(gen)];
    }
    return text;
}

TEST(MailingListHit, AgreesWithTheLiteralScanOnRandomAddressesAndLists) {
    std::mt19937 gen(16);
    int hits = 0;
    for (int i = 0; i < 20000; ++i) {
        std::vector<std::string> list(std::uniform_int_distribution<int>(0, 4)(gen));
        for (std::string& item : list) {
            item = RandomPieces(gen, 3);
        }
        const std::string to = RandomPieces(gen, 8);
        const std::string cc = RandomPieces(gen, 8);
        const bool expected = LiteralMailingListHit(to, cc, list);
        hits += expected;
        ASSERT_EQ(MailingListHit(to, cc, list), expected)
            << testing::PrintToString(to) << " " << testing::PrintToString(cc) << " "
            << testing::PrintToString(list);
    }
    // Both outcomes were compared often.
    EXPECT_GT(hits, 2000);
    EXPECT_LT(hits, 18000);
}

RunInput Input(std::int32_t wtype, const std::string& body, bool routine, int option) {
    RunInput input;
    input.data.Wtype = wtype;
    input.data.Body = body;
    input.data.HasBody = !body.empty();
    input.data.To = "a@x";
    input.data.HasTo = true;
    input.routineRun = routine;
    input.optionIndex = option;
    input.mailingList = {"other@x", kListAddress};
    return input;
}

TEST(DecideRun, FollowsTheDecisionTable) {
    constexpr bool kRoutine = true;
    constexpr bool kSpecial = false;
    constexpr bool kForce = true;
    const std::string message = kMessage;
    const struct {
        const char* name;
        std::int32_t wtype;
        std::string body;
        bool routine;
        int option;
        bool force;
        const char* cc;
        RunOutcome outcome;
        std::string command;
        bool incoming;
    } cases[] = {
        {"compose", 1, kPlain, kRoutine, 2, false, "", RunOutcome::Invoke, kCmdAutoEncryptSign,
         false},
        {"compose, no option", 1, kPlain, kRoutine, -1, false, "", RunOutcome::Invoke, "", false},
        {"compose to a list", 1, kPlain, kRoutine, 2, false, "LIST@lists.example",
         RunOutcome::Invoke, kCmdAutoSign, false},
        {"compose to a list, special", 1, kPlain, kSpecial, 0, false, kListAddress,
         RunOutcome::Invoke, kCmdAutoEncrypt, false},
        {"posting", 2, kPlain, kRoutine, 0, false, "", RunOutcome::Invoke, kCmdAutoSign, false},
        {"posting, special sign", 2, kPlain, kSpecial, 1, false, "", RunOutcome::Invoke,
         kCmdAutoSign, false},
        {"body without window bit", 0, kPlain, kRoutine, 0, false, "", RunOutcome::Invoke, "",
         false},
        {"body without window bit to a list", 0, kPlain, kRoutine, 0, false, kListAddress,
         RunOutcome::Invoke, kCmdAutoSign, false},
        {"body without window bit, special", 0, kPlain, kSpecial, 2, false, "", RunOutcome::Invoke,
         kCmdAutoEncryptSign, false},
        {"compose holding a message", 1, "Re:\r\n" + message, kRoutine, 0, false, "",
         RunOutcome::Invoke, kCmdAutoDecryptVerify, true},
        {"posting holding a message, special", 2, message, kSpecial, 0, false, "",
         RunOutcome::Invoke, kCmdAutoDecryptVerify, true},
        {"compose holding a key", 1, kKey, kRoutine, 1, false, "", RunOutcome::Invoke, kCmdAutoSign,
         false},
        {"compose holding a key, forced", 1, kKey, kSpecial, 0, kForce, "", RunOutcome::Invoke,
         kCmdAutoEncrypt, false},
        {"read", 8, message, kRoutine, 0, false, "", RunOutcome::Invoke, kCmdAutoDecryptVerify,
         true},
        {"read with compose bit", 9, message, kRoutine, 2, false, kListAddress, RunOutcome::Invoke,
         kCmdAutoDecryptVerify, true},
        {"read a key", 8, kKey, kRoutine, 0, false, "", RunOutcome::Invoke, kCmdAddKey, true},
        {"read a key, special", 8, kKey, kSpecial, 0, false, "", RunOutcome::Invoke, kCmdAddKey,
         true},
        {"read a signed key", 8, kSignedKey, kRoutine, 0, kForce, "", RunOutcome::Invoke,
         kCmdAutoDecryptVerify, true},
        {"read a signed key, special", 8, kSignedKey, kSpecial, 0, false, "", RunOutcome::Invoke,
         kCmdAutoDecryptVerify, true},
        {"read a signed key, special, forced", 8, kSignedKey, kSpecial, 0, kForce, "",
         RunOutcome::Invoke, kCmdAddKey, true},
        {"read a message, special, forced", 8, message, kSpecial, 0, kForce, "", RunOutcome::Invoke,
         kCmdAutoDecryptVerify, true},
        {"read plain text", 8, kPlain, kRoutine, 0, false, "", RunOutcome::Stop, "", true},
        {"posting, special encrypt", 2, kPlain, kSpecial, 0, false, "", RunOutcome::Confirm,
         kCmdAutoEncrypt, false},
        {"posting and compose, special encrypt and sign", 3, kPlain, kSpecial, 2, false, "",
         RunOutcome::Confirm, kCmdAutoEncryptSign, false},
        {"posting, special, no option", 2, kPlain, kSpecial, -1, false, "", RunOutcome::Confirm, "",
         false},
        {"posting holding a key, special encrypt", 2, kKey, kSpecial, 0, false, "",
         RunOutcome::Confirm, kCmdAutoEncrypt, false},
        {"read posting, special encrypt", 10, message, kSpecial, 0, false, "", RunOutcome::Invoke,
         kCmdAutoDecryptVerify, true},
        {"nothing read", 0, "", kRoutine, 0, false, "", RunOutcome::Stop, "", false},
        {"only an unknown bit", 4, "", kSpecial, 0, false, "", RunOutcome::Stop, "", false},
        {"read with empty body", 8, "", kRoutine, 0, false, "", RunOutcome::Stop, "", true},
    };
    for (const auto& c : cases) {
        RunInput input = Input(c.wtype, c.body, c.routine, c.option);
        input.forceKeyRead = c.force;
        input.data.Cc = c.cc;
        input.data.HasCc = *c.cc != '\0';
        const RunDecision decision = DecideRun(input);
        EXPECT_EQ(decision.outcome, c.outcome) << c.name;
        EXPECT_EQ(decision.command, c.command) << c.name;
        EXPECT_EQ(decision.incoming, c.incoming) << c.name;
    }
}

TEST(DecideRun, StopsWithoutWindowBitOrBodyInTheApplicationBox) {
    const RunDecision decision = DecideRun(Input(0, "", true, 0));
    EXPECT_EQ(decision.outcome, RunOutcome::Stop);
    EXPECT_EQ(decision.stopBox, StopBox::AppMessageBox);
    EXPECT_EQ(decision.message, "Couldn't get data from your e-mail program");
}

TEST(DecideRun, PassesItsMilestonesInOrderOnlyWhenSomethingWasRead) {
    for (const int wtype : {0, kWtypeOutgoing}) {
        RunInput input = Input(wtype, wtype ? kPlain : "", true, 0);
        std::vector<int> passed;
        input.milestone = [&](int checkpoint) { passed.push_back(checkpoint); };
        DecideRun(input);
        EXPECT_EQ(passed, wtype ? std::vector<int>({5507, 5508}) : std::vector<int>()) << wtype;
    }
}

TEST(DecideRun, QuotesTheStartOfAnIncomingTextWithoutPGPData) {
    const struct {
        std::string body;
        std::string quoted;
    } cases[] = {
        {"Hello there, how are you", "Hello there, ho"},
        {"Hi", "Hi"},
        {"x\n   -----BEGIN PGP MESSAGE-----\nno end", "x\n-----BEGIN PG"},
    };
    for (const auto& c : cases) {
        const RunDecision decision = DecideRun(Input(kWtypeIncoming, c.body, true, 0));
        EXPECT_EQ(decision.outcome, RunOutcome::Stop);
        EXPECT_EQ(decision.stopBox, StopBox::ErrorDialog);
        EXPECT_EQ(decision.message, "The incoming message that starts \"" + c.quoted +
                                        "\" does not contain any PGP data.");
    }
}

TEST(DecideRun, AsksBeforeEncryptingAPostingInASpecialRun) {
    const RunDecision decision = DecideRun(Input(kWtypePosting, kPlain, false, 0));
    EXPECT_EQ(decision.outcome, RunOutcome::Confirm);
    EXPECT_EQ(decision.message,
              "You have opted to encrypt a message to a mailing list or newsgroup. This is not "
              "usually appropriate conduct. Are you sure you want to do this?");
    EXPECT_EQ(decision.helpContext, 9000);
    EXPECT_EQ(decision.command, kCmdAutoEncrypt);
    EXPECT_EQ(decision.body, kPlain);
}

TEST(DecideRun, HandsOnTheBodyUnindentedOnlyWhenTheWindowIsARead) {
    const std::string indented =
        "Hi\r\n  -----BEGIN PGP MESSAGE-----\r\n  hQEMA\r\n  -----END PGP MESSAGE-----\r\n";
    const std::string unindented =
        "Hi\r\n-----BEGIN PGP MESSAGE-----\r\n  hQEMA\r\n-----END PGP MESSAGE-----\r\n";

    const RunDecision read = DecideRun(Input(kWtypeIncoming, indented, true, 0));
    EXPECT_EQ(read.outcome, RunOutcome::Invoke);
    EXPECT_EQ(read.command, kCmdAutoDecryptVerify);
    EXPECT_EQ(read.body, unindented);

    const RunDecision compose = DecideRun(Input(kWtypeOutgoing, indented, true, 0));
    EXPECT_EQ(compose.command, kCmdAutoEncrypt);
    EXPECT_FALSE(compose.incoming);
    EXPECT_EQ(compose.body, indented);
}

}  // namespace
