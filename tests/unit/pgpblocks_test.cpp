#include "core/PGPBlocks.h"

#include <gtest/gtest.h>

#include <random>

#include "bench/baseline/LiteralReplace.h"

namespace {

const char kKeyBlock[] =
    "-----BEGIN PGP PUBLIC KEY BLOCK-----\r\n\r\nmQINBF\r\n-----END PGP PUBLIC KEY BLOCK-----\r\n";
const char kMessage[] = "-----BEGIN PGP MESSAGE-----\r\n\r\nhQEMA\r\n-----END PGP MESSAGE-----\r\n";

TEST(ClassifyPGP, SetsEachFlagOnlyWhenBothMarkersStartALine) {
    const std::string key = kKeyBlock;
    const std::string message = kMessage;
    const struct {
        std::string text;
        TPGPBlocks expected;
    } cases[] = {
        {"", {}},
        {key, {true, true, false, false}},
        {"Hi\r\n" + message, {true, false, false, true}},
        {"-----BEGIN PGP SIGNED MESSAGE-----\r\nHash: SHA1\r\n\r\ntext\r\n"
         "-----BEGIN PGP SIGNATURE-----\r\n\r\niQA\r\n-----END PGP SIGNATURE-----\r\n",
         {true, false, true, false}},
        {"-----BEGIN PGP SIGNED MESSAGE-----\r\n\r\n" + key +
             "-----BEGIN PGP SIGNATURE-----\r\n-----END PGP SIGNATURE-----\r\n",
         {true, true, true, false}},
        // The end line before the begin line, and from another block, still counts.
        {"-----END PGP MESSAGE-----\r\n-----BEGIN PGP MESSAGE-----", {true, false, false, true}},
        {"-----BEGIN PGP SIGNATURE-----\n-----END PGP MESSAGE-----", {true, false, false, false}},
        {"-----BEGIN PGP MESSAGE-----\r\nhQEMA\r\n", {}},
        {"-----begin pgp message-----\r\n-----end pgp message-----", {}},
        {"> -----BEGIN PGP MESSAGE-----\r\n> -----END PGP MESSAGE-----", {}},
        {" -----BEGIN PGP MESSAGE-----\r\n -----END PGP MESSAGE-----", {}},
        {"----BEGIN PGP MESSAGE-----\r\n----END PGP MESSAGE-----", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClassifyPGP(c.text), c.expected) << c.text;
    }
}

TEST(UnindentPGPMarkers, RemovesBlanksBeforeMarkerLinesOnly) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"", ""},
        {"Hi\r\n   -----BEGIN PGP MESSAGE-----\r\n   hQEMA\r\n   -----END PGP MESSAGE-----\r\n",
         "Hi\r\n-----BEGIN PGP MESSAGE-----\r\n   hQEMA\r\n-----END PGP MESSAGE-----\r\n"},
        {" -----BEGIN PGP MESSAGE-----", "-----BEGIN PGP MESSAGE-----"},
        {"  -----BEGIN PGP MESSAGE-----", "  -----BEGIN PGP MESSAGE-----"},
        {" -----END PGP MESSAGE-----", " -----END PGP MESSAGE-----"},
        {" -----BEGIN PGP ", "-----BEGIN PGP "},
        {" -----BEGIN PGP", " -----BEGIN PGP"},
        {"\n -----BEGIN PGPMESSAGE", "\n -----BEGIN PGPMESSAGE"},
        {"\n\t-----BEGIN PGP MESSAGE", "\n\t-----BEGIN PGP MESSAGE"},
        {"\n> -----BEGIN PGP MESSAGE", "\n> -----BEGIN PGP MESSAGE"},
        {"\n \n  -----END PGP X", "\n \n-----END PGP X"},
        {"\n   ", "\n   "},
        {"\n   -----BEGIN PGP ", "\n-----BEGIN PGP "},
        {"\n -----begin pgp message", "\n -----begin pgp message"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UnindentPGPMarkers(c.text), c.expected) << c.text;
    }
}

TEST(UnindentPGPMarkers, MakesIndentedBlocksRecognisable) {
    const std::string indented =
        "Hello\r\n   -----BEGIN PGP MESSAGE-----\r\n\r\n   hQEMA\r\n   -----END PGP MESSAGE-----";
    EXPECT_FALSE(ClassifyPGP(indented).HasMessage);
    EXPECT_TRUE(ClassifyPGP(UnindentPGPMarkers(indented)).HasMessage);
}

// The first-line rule and the two literal replacement passes that the unindenting stands for.
std::string LiteralUnindent(std::string text) {
    if (text.starts_with(" -----BEGIN PGP ")) {
        text.erase(0, 1);
    }
    text = LiteralReplaceAll("\n -----BEGIN PGP ", text, "\n-----BEGIN PGP ");
    return LiteralReplaceAll("\n -----END PGP ", text, "\n-----END PGP ");
}

TEST(UnindentPGPMarkers, EqualsTheLiteralPassesWhereEveryIndentIsOneBlank) {
    // Texts assembled from pieces in which every blank in front of a marker stands alone.
    const char* pieces[] = {"\n",
                            "\r\n",
                            " -----BEGIN PGP ",
                            " -----END PGP ",
                            "text",
                            "-----BEGIN PGP",
                            "> ",
                            "MESSAGE-----",
                            " ",
                            "x "};
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> pick(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> length(0, 12);
    for (int round = 0; round < 5000; ++round) {
        std::string text;
        for (int n = length(random); n > 0; --n) {
            const std::string piece = pieces[pick(random)];
            // Two blanks in a row after an LF would be deeper indentation.
            if (piece.starts_with(" ") && (text.ends_with("\n ") || text == " ")) {
                continue;
            }
            text += piece;
        }
        ASSERT_EQ(UnindentPGPMarkers(text), LiteralUnindent(text)) << text;
    }
}

}  // namespace
