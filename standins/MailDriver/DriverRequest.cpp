#include "DriverRequest.h"

#include <algorithm>

#include "ByteText.h"

namespace maildriver {

using standin::LowerAscii;
using standin::TrimBlanks;

namespace {

constexpr const char* kBlanks = " \t";

RequestKind KindOfWord(const std::string& word) {
    const std::string lower = LowerAscii(word);
    if (lower == "data") {
        return RequestKind::Data;
    }
    if (lower == "read") {
        return RequestKind::Read;
    }
    if (lower == "write") {
        return RequestKind::Write;
    }
    return RequestKind::Unknown;
}

}  // namespace

std::string CommandArguments(const std::string& commandLine) {
    std::size_t end = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        end = commandLine.find('"', 1);
        end = end == std::string::npos ? commandLine.size() : end + 1;
    } else {
        end = std::min(commandLine.find_first_of(kBlanks), commandLine.size());
    }
    const auto start = commandLine.find_first_not_of(kBlanks, end);
    return start == std::string::npos ? std::string() : commandLine.substr(start);
}

std::pair<std::string, std::string> SplitFirstWord(const std::string& text) {
    const auto blank = text.find_first_of(kBlanks);
    if (blank == std::string::npos) {
        return {text, {}};
    }
    const auto rest = text.find_first_not_of(kBlanks, blank);
    return {text.substr(0, blank), rest == std::string::npos ? std::string() : text.substr(rest)};
}

DriverRequest ParseDriverRequest(const std::string& text) {
    const std::string request = TrimBlanks(text);
    if (request.empty()) {
        return {};
    }
    DriverRequest parsed{KindOfWord(SplitFirstWord(request).first), {}};
    const auto key = LowerAscii(request).find("file=");
    if (key != std::string::npos) {
        parsed.file = request.substr(key + 5);
    }
    if (parsed.file.empty()) {
        parsed.kind = RequestKind::Unknown;
    }
    return parsed;
}

}  // namespace maildriver
