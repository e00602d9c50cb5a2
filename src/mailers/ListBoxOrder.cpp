#include "mailers/ListBoxOrder.h"

#include <algorithm>

#include "support/strutil.h"

bool KeyLess(const KeyedText& a, const KeyedText& b) {
    return a.key < b.key;
}

std::vector<KeyedText> Keyed(const std::vector<std::string>& texts) {
    std::vector<KeyedText> keyed;
    keyed.reserve(texts.size());
    for (const std::string& text : texts) {
        keyed.push_back({LowerAscii(text), text});
    }
    return keyed;
}

std::vector<KeyedText> SortedByKey(const std::vector<std::string>& texts) {
    std::vector<KeyedText> keyed = Keyed(texts);
    std::stable_sort(keyed.begin(), keyed.end(), KeyLess);
    return keyed;
}

void SortLikeListBox(std::vector<std::string>& texts) {
    std::vector<KeyedText> sorted = SortedByKey(texts);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = std::move(sorted[i].text);
    }
}
