#pragma once
// The order of the sorted mailer lists (the Library and Active list boxes and the Active
// driver list): by the text with its letters A to Z lower-cased, equal texts in the order in
// which they came. Each text is lowered once, not at every comparison.

#include <string>
#include <vector>

// A text and the lower-case form by which it is ordered.
struct KeyedText {
    std::string key;
    std::string text;
};

bool KeyLess(const KeyedText& a, const KeyedText& b);

// The texts with their keys, in the order given.
std::vector<KeyedText> Keyed(const std::vector<std::string>& texts);

// The texts with their keys, in list order.
std::vector<KeyedText> SortedByKey(const std::vector<std::string>& texts);

// Puts the texts in list order.
void SortLikeListBox(std::vector<std::string>& texts);
