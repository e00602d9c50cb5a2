#pragma once
// The debug log, "DebugLog.Txt" in the program directory.

#include <string>

constexpr const char* kDebugLogName = "DebugLog.Txt";
constexpr int kDebugLogLimit = 20000;

// The log's full path.
std::string DebugLogPath();

// Appends one time-stamped entry: short date, blank, long time, ": ", Text, CR LF.
// A write that fails is dropped: the log never stops the program.
void WriteDebugLog(const std::string& text);

// Cuts the log to its last kDebugLogLimit + 1 bytes when it is longer, then writes
// "Log trimmed".
void TrimDebugLog();
