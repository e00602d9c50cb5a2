#include "RecipientChoice.h"

#include <algorithm>

#include "KeyRules.h"

namespace gpgtray {

RecipientChoice::RecipientChoice(const std::vector<Key>& publicKeys,
                                 const std::vector<std::string>& remembered, bool encryptToSelf)
    : encryptToSelf(encryptToSelf) {
    for (const Key& key : publicKeys) {
        if (CanEncryptTo(key)) {
            offered_.push_back(key);
            chosen_.push_back(std::find(remembered.begin(), remembered.end(), key.fingerprint) !=
                              remembered.end());
        }
    }
}

std::vector<std::size_t> RecipientChoice::Matching(std::string_view filter) const {
    std::vector<std::size_t> matching;
    for (std::size_t i = 0; i < offered_.size(); ++i) {
        if (MatchesFilter(offered_[i], filter)) {
            matching.push_back(i);
        }
    }
    return matching;
}

std::vector<const Key*> RecipientChoice::Chosen() const {
    std::vector<const Key*> chosen;
    for (std::size_t i = 0; i < offered_.size(); ++i) {
        if (chosen_[i]) {
            chosen.push_back(&offered_[i]);
        }
    }
    return chosen;
}

std::vector<const Key*> RecipientChoice::Uncertain() const {
    std::vector<const Key*> uncertain = Chosen();
    std::erase_if(uncertain, [](const Key* key) { return IsFullyValid(*key); });
    return uncertain;
}

std::vector<std::string> RecipientChoice::ChosenFingerprints() const {
    std::vector<std::string> fingerprints;
    for (const Key* key : Chosen()) {
        fingerprints.push_back(key->fingerprint);
    }
    return fingerprints;
}

}  // namespace gpgtray
