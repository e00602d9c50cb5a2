#include "core/MailingListIndex.h"

#include "support/strutil.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

MailingListIndex::MailingListIndex(const std::vector<std::string>& items) {
    std::string text(kLineEnd);
    for (const std::string& item : items) {
        text.append(item).append(kLineEnd);
    }
    text_ = LowerAscii(text);
    const std::string_view all(text_);
    for (std::size_t start = kLineEnd.size(), end = all.find(kLineEnd, start);
         end != std::string_view::npos;
         start = end + kLineEnd.size(), end = all.find(kLineEnd, start)) {
        lines_.insert(all.substr(start, end - start));
    }
}

// CR LF cannot overlap itself, so the needle's two line ends are two neighbouring CR LFs of
// the text unless the token holds one of its own: only then can it span several lines, and
// only then is the text searched. No exchange file gives such a token (every value there
// ends at its first CR).
bool MailingListIndex::Holds(std::string_view lowerToken) const {
    if (lowerToken.find(kLineEnd) == std::string_view::npos) {
        return lines_.contains(lowerToken);
    }
    std::string needle(kLineEnd);
    needle.append(lowerToken).append(kLineEnd);
    return text_.find(needle) != std::string::npos;
}
