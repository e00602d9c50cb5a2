#include "TrayFakes.h"

#include <algorithm>

#include "gpgtray/core/KeyRules.h"

std::string Latin1::ToUtf8(std::string_view text) const {
    std::string utf8;
    for (unsigned char c : text) {
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

std::string Latin1::FromUtf8(std::string_view utf8) const {
    std::string text;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            text += static_cast<char>(c);
        } else if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size()) {
            text += static_cast<char>(((c & 0x03) << 6) | (utf8[++i] & 0x3F));
        } else if ((c & 0xC0) != 0x80) {
            text += '?';
        }
    }
    return text;
}

bool ScriptedUser::ChooseRecipients(gpgtray::RecipientChoice& choice) {
    if (recipientDialogs_++ > 0 || choose.empty()) {
        return false;
    }
    for (std::size_t i = 0; i < choice.Offered().size(); ++i) {
        const std::string id = choice.Offered()[i].Label();
        offered.push_back(id);
        const std::string address = gpgtray::AddressOf(id);
        choice.SetChosen(i, std::find(choose.begin(), choose.end(), address) != choose.end());
    }
    return true;
}

bool ScriptedUser::AcceptUncertainKeys(const std::vector<const gpgtray::Key*>& keys) {
    for (const gpgtray::Key* key : keys) {
        uncertainAsked.push_back(key->Label());
    }
    return acceptUncertain;
}
