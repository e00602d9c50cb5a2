#pragma once
// The mailing-list addresses as the scan of a run's To and Cc compares them, built once per
// run so that each address token costs one look-up, however long the list.

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

class MailingListIndex {
public:
    explicit MailingListIndex(const std::vector<std::string>& items);
    MailingListIndex(const MailingListIndex&) = delete;
    MailingListIndex& operator=(const MailingListIndex&) = delete;

    // True when CR LF, the token and CR LF occur in the list text: CR LF in front, then the
    // items, each followed by CR LF, all lower-cased. The token must be lower-cased already.
    bool Holds(std::string_view lowerToken) const;

private:
    std::string text_;
    // The pieces of text_ between two neighbouring CR LFs: views into text_.
    std::unordered_set<std::string_view> lines_;
};
