#pragma once
// GnuPG's status stream: one line per event, "[GNUPG:] KEYWORD arguments".

#include <string>
#include <string_view>
#include <vector>

namespace gpgtray {

struct StatusLine {
    std::string keyword;
    std::string rest;  // everything after the keyword and its blank

    // The rest split at blanks.
    std::vector<std::string> Fields() const;
};

using StatusLines = std::vector<StatusLine>;

// The status lines of the stream; lines without the prefix are skipped.
StatusLines ParseStatus(std::string_view stream);

// The first line with that keyword; null when there is none.
const StatusLine* FindStatus(const StatusLines& lines, std::string_view keyword);

// A user ID as status lines carry it: UTF-8 with "%XX" escapes.
std::string PercentUnescaped(std::string_view text);

}  // namespace gpgtray
