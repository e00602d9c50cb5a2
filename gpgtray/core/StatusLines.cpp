#include "StatusLines.h"

#include <sstream>

#include "HexDigits.h"
#include "TextUtil.h"

namespace gpgtray {

namespace {

constexpr std::string_view kPrefix = "[GNUPG:] ";

}  // namespace

std::vector<std::string> StatusLine::Fields() const {
    std::istringstream words(rest);
    std::vector<std::string> fields;
    for (std::string field; words >> field;) {
        fields.push_back(field);
    }
    return fields;
}

StatusLines ParseStatus(std::string_view stream) {
    StatusLines lines;
    for (std::string_view line : SplitLines(stream)) {
        if (!line.starts_with(kPrefix)) {
            continue;
        }
        line.remove_prefix(kPrefix.size());
        const std::size_t blank = line.find(' ');
        lines.push_back(
            {std::string(line.substr(0, blank)),
             blank == std::string_view::npos ? "" : std::string(line.substr(blank + 1))});
    }
    return lines;
}

const StatusLine* FindStatus(const StatusLines& lines, std::string_view keyword) {
    for (const StatusLine& line : lines) {
        if (line.keyword == keyword) {
            return &line;
        }
    }
    return nullptr;
}

std::string PercentUnescaped(std::string_view text) {
    return Unescaped(text, "%");
}

}  // namespace gpgtray
