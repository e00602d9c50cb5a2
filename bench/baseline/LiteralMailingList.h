#pragma once
// The mailing-list scan taken literally: for each To or Cc token, search the whole list
// text for CR LF + token + CR LF. Its time grows with the tokens times the list; the
// benchmark's baseline and the tests' reference for MailingListHit.

#include <string>
#include <vector>

#include "support/strutil.h"

inline bool LiteralMailingListHit(const std::string& to, const std::string& cc,
                                  const std::vector<std::string>& mailingList) {
    std::string listText = "\r\n";
    for (const std::string& item : mailingList) {
        listText.append(item).append("\r\n");
    }
    listText = LowerAscii(listText);
    const std::string addresses = TrimBlanks(to + " " + cc) + " ";
    bool pending = true;
    std::string token;
    for (char c : addresses) {
        if (c != ' ' && c != ',' && c != ';') {
            pending = true;
            token += c;
        } else if (pending) {
            pending = false;
            if (listText.find("\r\n" + LowerAscii(token) + "\r\n") != std::string::npos) {
                return true;
            }
            token.clear();
        }
    }
    return false;
}
