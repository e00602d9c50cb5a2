#include "ScriptFile.h"

#include <windows.h>

#include <algorithm>
#include <sstream>

#include "ByteText.h"
#include "ExchangeText.h"

namespace orv {

using standin::TrimBlanks;

namespace {

constexpr const char* kMailerSection = "Mailer";

bool IsNumber(const std::string& text) {
    return !text.empty() && text.size() < 10 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string Value(const std::string& path, const std::string& section, const char* key) {
    char value[1024] = "";
    GetPrivateProfileStringA(section.c_str(), key, "", value, sizeof value, path.c_str());
    return value;
}

maildriver::WindowKind LoadWindowKind(const std::string& path, const std::string& section) {
    maildriver::WindowKind kind;
    kind.caption = Value(path, section, "Caption");
    kind.className = Value(path, section, "Class");
    kind.wtype = standin::HeaderNumber(TrimBlanks(Value(path, section, "Wtype")));
    kind.writable = TrimBlanks(Value(path, section, "Writable")) == "1";
    kind.to = ParseLocator(Value(path, section, "To"));
    kind.cc = ParseLocator(Value(path, section, "Cc"));
    kind.subject = ParseLocator(Value(path, section, "Subject"));
    kind.body = ParseLocator(Value(path, section, "Body"));
    return kind;
}

}  // namespace

std::optional<maildriver::ControlLocator> ParseLocator(const std::string& text) {
    const std::string locator = TrimBlanks(text);
    if (locator.empty()) {
        return std::nullopt;
    }
    if (IsNumber(locator)) {
        return maildriver::ControlLocator::ById(std::stoi(locator));
    }
    const auto colon = locator.find(':');
    if (colon == std::string::npos) {
        return maildriver::ControlLocator::ByClass(locator, 1);
    }
    const std::string index = TrimBlanks(locator.substr(colon + 1));
    if (colon == 0 || !IsNumber(index) || std::stoi(index) < 1) {
        return std::nullopt;
    }
    return maildriver::ControlLocator::ByClass(TrimBlanks(locator.substr(0, colon)),
                                               std::stoi(index));
}

std::optional<maildriver::MailerLayout> LoadScript(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return std::nullopt;
    }
    maildriver::MailerLayout layout;
    layout.information = Value(path, kMailerSection, "Information");
    layout.shortText = Value(path, kMailerSection, "Short");
    std::istringstream sections(Value(path, kMailerSection, "Windows"));
    for (std::string section; std::getline(sections, section, ',');) {
        if (!TrimBlanks(section).empty()) {
            layout.windows.push_back(LoadWindowKind(path, TrimBlanks(section)));
        }
    }
    return layout;
}

}  // namespace orv
