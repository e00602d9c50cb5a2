#include "app/ProgramState.h"

#include <stdexcept>

#include "shell/settings.h"
#include "support/error.h"
#include "support/fileutil.h"

namespace {

ProgramState* installed = nullptr;

}  // namespace

ProgramState& Program() {
    if (!installed) {
        throw std::logic_error("The program's state is used before it exists");
    }
    return *installed;
}

InstalledProgramState::InstalledProgramState(ProgramState& state) : previous_(installed) {
    installed = &state;
}

InstalledProgramState::~InstalledProgramState() {
    installed = previous_;
}

Platform& Os() {
    return Program().os;
}

ProgramPaths& Paths() {
    return Program().paths;
}

int& Checkpoint() {
    return Program().Checkpoint;
}

CoreState& Core() {
    return Program().core;
}

MailerLibrary& Mailers() {
    return Program().mailers;
}

ShellState& Shell() {
    return Program().shell;
}

PropsModel& Props() {
    return Program().props;
}

std::set<std::string>& WipeFailuresShown() {
    return Program().wipeFailuresShown;
}

TVersionLabel& VersionLabel1() {
    std::optional<TVersionLabel>& label = Program().versionLabel1;
    if (!label) {
        label.emplace();
    }
    return *label;
}
