#pragma once
// What the recipients dialog works on: the keys offered, the filter and the keys chosen.
// The choice survives a change of the filter.

#include <string>
#include <string_view>
#include <vector>

#include "Key.h"

namespace gpgtray {

class RecipientChoice {
public:
    // Offers the keys that can take a message, in the order given; the remembered
    // fingerprints among them start chosen.
    RecipientChoice(const std::vector<Key>& publicKeys, const std::vector<std::string>& remembered,
                    bool encryptToSelf);

    const std::vector<Key>& Offered() const { return offered_; }

    // The indexes into Offered() of the keys that match the filter (UTF-8).
    std::vector<std::size_t> Matching(std::string_view filter) const;

    void SetChosen(std::size_t index, bool chosen) { chosen_.at(index) = chosen; }
    bool IsChosen(std::size_t index) const { return chosen_.at(index); }

    std::vector<const Key*> Chosen() const;
    // The chosen keys that are not fully valid: they need the user's word.
    std::vector<const Key*> Uncertain() const;
    std::vector<std::string> ChosenFingerprints() const;

    bool encryptToSelf;

private:
    std::vector<Key> offered_;
    std::vector<bool> chosen_;
};

}  // namespace gpgtray
