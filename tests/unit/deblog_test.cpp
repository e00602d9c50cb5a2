#include <gtest/gtest.h>

#include "fakes/FakeOs.h"
#include "support/deblog.h"

namespace {

class DebugLog : public FakeOs {};

TEST_F(DebugLog, EntriesCarryDateAndTimeAndKeepTheTextAsItIs) {
    WriteDebugLog("MainPGP-T");
    WriteDebugLog("");
    WriteDebugLog("About\r\nline two");
    EXPECT_EQ(DebugLogPath(), "C:\\Program Files\\Tervane 5\\DebugLog.Txt");
    EXPECT_EQ(Log(),
              "06/12/98 14:03:22: MainPGP-T\r\n"
              "06/12/98 14:03:22: \r\n"
              "06/12/98 14:03:22: About\r\nline two\r\n");
}

TEST_F(DebugLog, TrimKeepsTheLastBytesAndNotesTheTrim) {
    const std::string trimmed = "06/12/98 14:03:22: Log trimmed\r\n";
    std::string log;
    for (int i = 0; log.size() < 50000; ++i) {
        log += "entry " + std::to_string(i) + "\r\n";
    }
    log.resize(50000);
    struct Case {
        std::size_t length, kept;
    } cases[] = {{50000, 20001}, {20000, 20000}, {0, 0}};
    for (const Case& c : cases) {
        files.Put(DebugLogPath(), log.substr(0, c.length));
        TrimDebugLog();
        EXPECT_EQ(Log(), log.substr(c.length - c.kept, c.kept) + trimmed) << c.length;
    }
    EXPECT_TRUE(user.shown.empty());
}

}  // namespace
