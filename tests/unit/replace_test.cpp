#include <gtest/gtest.h>

#include <random>

#include "bench/baseline/LiteralReplace.h"
#include "support/replace.h"

namespace {

TEST(ReplaceAt, CutsByOneBasedBoundsClampedToTheString) {
    struct Case {
        int position, length;
        const char* expected;
    } cases[] = {
        {1, 0, "<>abcdef"}, {3, 2, "ab<>ef"},  {6, 5, "abcde<>"},   {7, 0, "abcdef<>"},
        {9, 1, "abcdef<>"}, {0, 2, "<>bcdef"}, {-5, 3, "<>abcdef"}, {3, -1, "ab<>bcdef"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReplaceAt("<>", "abcdef", c.position, c.length), c.expected)
            << c.position << "," << c.length;
    }
}

TEST(ReplaceFirst, ReplacesOnlyTheLeftmostOccurrence) {
    EXPECT_EQ(ReplaceFirst("ab", "xabyab", "-"), "x-yab");
    EXPECT_EQ(ReplaceFirst("ab", "xyz", "-"), "xyz");
    EXPECT_EQ(ReplaceFirst("", "xyz", "-"), "xyz");
}

TEST(ReplaceAll, ReplacesOccurrencesThatReplacementsCreate) {
    EXPECT_EQ(ReplaceAll("ab", "aab", "b"), "b");
    // A marker indented by one blank is unindented; a deeper indent holds no occurrence, and
    // no replacement makes one.
    EXPECT_EQ(ReplaceAll("\n -----BEGIN PGP ", "x\n -----BEGIN PGP A\n   -----BEGIN PGP B",
                         "\n-----BEGIN PGP "),
              "x\n-----BEGIN PGP A\n   -----BEGIN PGP B");
    EXPECT_EQ(ReplaceAll("\r\n", std::string("a\r\n\0\r\n", 6), "\xff"),
              std::string("a\xff\0\xff", 4));
    EXPECT_EQ(ReplaceAll("", "abc", "x"), "abc");
}

// Cascades running backwards through the whole text: the literal loop would take
// hours here, each step must start near the last replacement.
TEST(ReplaceAll, LongCascadesStayLinear) {
    const std::string as(200000, 'a');
    EXPECT_EQ(ReplaceAll("ab", as + "b", "b"), "b");
    EXPECT_EQ(ReplaceAll("ab", "aaab", "bxb"), LiteralReplaceAll("ab", "aaab", "bxb"));
    EXPECT_EQ(ReplaceAll("ab", as + "b", "bx"), "b" + std::string(as.size(), 'x'));
}

std::string RandomText(std::mt19937& gen, int minLength, int maxLength) {
    static const char kAlphabet[] = {'a', 'b', '\0'};
    std::string text(std::uniform_int_distribution<int>(minLength, maxLength)(gen), 'a');
    for (char& c : text) {
        c = kAlphabet[std::uniform_int_distribution<int>(0, 2)(gen)];
    }
    return text;
}

// Some rules never settle (or grow without bound) even when New does not contain Old; the
// comparison is made only where the literal loop ends soon.
bool SettlesSoon(const std::string& oldText, std::string s, const std::string& newText) {
    for (int step = 0; step < 200 && s.size() < 400; ++step) {
        if (s.find(oldText) == std::string::npos) {
            return true;
        }
        s = ReplaceFirst(oldText, s, newText);
    }
    return false;
}

TEST(ReplaceAll, AgreesWithTheLiteralLoopOnRandomTexts) {
    std::mt19937 gen(20240611);
    int compared = 0;
    for (int i = 0; i < 30000; ++i) {
        const std::string oldText = RandomText(gen, 1, 3);
        const std::string newText = RandomText(gen, 0, 4);
        const std::string s = RandomText(gen, 0, 12);
        if (newText.find(oldText) != std::string::npos || !SettlesSoon(oldText, s, newText)) {
            continue;
        }
        ++compared;
        ASSERT_EQ(ReplaceAll(oldText, s, newText), LiteralReplaceAll(oldText, s, newText))
            << "old " << testing::PrintToString(oldText) << " s " << testing::PrintToString(s)
            << " new " << testing::PrintToString(newText);
    }
    EXPECT_GT(compared, 20000);
}

// The program's replacements of PGP markers and line ends (the quotation goes through byte
// 255) stand for the first pairs; the others break the precondition each in its own way.
TEST(ReplaceAll, BoundedPairsShrinkTheTextOrCannotMakeAnOccurrence) {
    const struct {
        std::string oldText, newText;
        bool bounded;
    } cases[] = {
        {"\n -----BEGIN PGP ", "\n-----BEGIN PGP ", true},
        {"\n -----END PGP ", "\n-----END PGP ", true},
        {"\r\n", "\xff", true},
        {"\xff", "\r\n> ", true},
        {"", "abc", true},
        {"aba", "b", true},
        {"ab", "xyz", true},
        {"ab", "xaby", false},  // New holds Old
        {"ab", "bx", false},    // an occurrence reaching into New from the left
        {"ab", "xa", false},    // and from the right
        {"ba", "aab", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReplaceAllIsBounded(c.oldText, c.newText), c.bounded)
            << testing::PrintToString(c.oldText) << " " << testing::PrintToString(c.newText);
    }
    // The last pair doubles the "a"s at every "b".
    EXPECT_EQ(ReplaceAll("ba", std::string(10, 'b') + "a", "aab"),
              std::string(1024, 'a') + std::string(10, 'b'));
}

}  // namespace
