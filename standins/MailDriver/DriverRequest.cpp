#include "DriverRequest.h"

#include <algorithm>

namespace maildriver {

namespace {

constexpr const char* kBlanks = " \t";

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text;
}

std::string TrimmedEnd(const std::string& text) {
    const auto last = text.find_last_not_of(" \t\r\n");
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

RequestKind KindOfWord(const std::string& word) {
    const std::string lower = Lower(word);
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
    const std::string request = TrimmedEnd(text);
    if (request.empty()) {
        return {};
    }
    DriverRequest parsed{KindOfWord(SplitFirstWord(request).first), {}};
    const auto key = Lower(request).find("file=");
    if (key != std::string::npos) {
        parsed.file = request.substr(key + 5);
    }
    if (parsed.file.empty()) {
        parsed.kind = RequestKind::Unknown;
    }
    return parsed;
}

}  // namespace maildriver
