#include "MessageFile.h"

#include <fstream>
#include <iterator>
#include <string_view>

#include "ByteText.h"

namespace demomail {

using standin::LowerAscii;
using standin::TrimBlanks;

namespace {

// Puts the value of one header line into its field; the key's letter case is ignored.
void TakeHeaderLine(std::string_view line, MailMessage& message) {
    struct Key {
        std::string_view name;
        std::string MailMessage::*field;
    };
    static constexpr Key kKeys[] = {{"from:", &MailMessage::from},
                                    {"to:", &MailMessage::to},
                                    {"cc:", &MailMessage::cc},
                                    {"subject:", &MailMessage::subject}};
    for (const Key& key : kKeys) {
        if (LowerAscii(line.substr(0, key.name.size())) == key.name) {
            message.*key.field = TrimBlanks(line.substr(key.name.size()));
            return;
        }
    }
}

}  // namespace

MailMessage ParseMessageText(const std::string& text) {
    MailMessage message;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t lineFeed = text.find('\n', start);
        const std::size_t end = lineFeed == std::string::npos ? text.size() : lineFeed;
        const std::string_view line(text.data() + start, end - start);
        start = lineFeed == std::string::npos ? text.size() : lineFeed + 1;
        if (line.empty() || line == "\r") {
            message.body = text.substr(start);
            break;
        }
        TakeHeaderLine(line, message);
    }
    return message;
}

MailMessage LoadMessageFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return ParseMessageText(
        std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
}

}  // namespace demomail
