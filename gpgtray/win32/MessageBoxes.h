#pragma once
// The program's message boxes, under its title. Texts are UTF-8.

#include <string>

namespace gpgtray {

void ShowFailure(const std::string& text);
void ShowInformation(const std::string& text);
// True for Yes; No is the default.
bool AskYesNo(const std::string& text);

}  // namespace gpgtray
