#include "CommandTable.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<CommandInfo, 8> kCommands{{
    {40017, "-AutoEncrypt", Action::Encrypt},
    {40018, "-AutoSign", Action::Sign},
    {40007, "-AutoEncryptSign", Action::EncryptSign},
    {40008, "-AutoDecryptVerify", Action::DecryptVerify},
    {40006, "-AddKey", Action::AddKey},
    {40012, "-Properties", Action::Properties},
    {40019, "-Tools", Action::Tools},
    // What the sender uses when no other command applies.
    {40016, "(default)", Action::Nothing},
}};

constexpr CommandInfo kUnknown{0, "(unknown)", Action::Nothing};

}  // namespace

const CommandInfo& LookupCommand(unsigned id) {
    const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                    [id](const CommandInfo& command) { return command.id == id; });
    return found == kCommands.end() ? kUnknown : *found;
}

bool WorksOnClipboard(Action action) {
    return action != Action::Properties && action != Action::Tools && action != Action::Nothing;
}
