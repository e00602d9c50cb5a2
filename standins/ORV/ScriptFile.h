#pragma once
// Mail Form Scripts: INI files that describe a mailer for the script interpreter. The keys
// are described in docs/mail-form-scripts.md.

#include <optional>
#include <string>

#include "MailerLayout.h"

namespace orv {

// "105" is control id 105; "Edit:4" is the fourth control of class Edit, "Edit" the first.
// Nothing for an empty text, an index below 1 or one that is not a number.
std::optional<maildriver::ControlLocator> ParseLocator(const std::string& text);

// The layout that the script at path describes; nothing when there is no such file.
std::optional<maildriver::MailerLayout> LoadScript(const std::string& path);

}  // namespace orv
