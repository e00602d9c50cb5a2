#pragma once
// The message files that the demo mailer shows: header lines "From:", "To:", "Cc:" and
// "Subject:", an empty line, then the body, with CR LF line ends.

#include <string>

namespace demomail {

struct MailMessage {
    std::string from;
    std::string to;
    std::string cc;
    std::string subject;
    std::string body;
};

// Header lines before the first empty line, the body after it, byte for byte. Unknown
// header lines are ignored; a header line may end in LF alone.
MailMessage ParseMessageText(const std::string& text);

// The message in the file at path; an unreadable file gives an empty message.
MailMessage LoadMessageFile(const std::string& path);

}  // namespace demomail
