#pragma once
// Everything the program keeps while it runs, in one object: the operating-system services
// and the state of each part of the program, each in a member named after it. WinMain
// creates it and installs it for the life of the process; the tests install a fresh one for
// every test. The accessors of the parts (Os(), Paths(), Checkpoint(), Core(), Mailers(),
// Shell(), Props(), VersionLabel1()) reach into the one installed here, so that a unit
// depends only on the part it uses.

#include <optional>
#include <set>
#include <string>

#include "core/CoreState.h"
#include "mailers/MFDDirectory.h"
#include "platform/Platform.h"
#include "shell/PropsModel.h"
#include "shell/ShellState.h"
#include "support/ProgramPaths.h"
#include "support/verslab.h"

struct ProgramState {
    Platform os;
    ProgramPaths paths;
    int Checkpoint = 0;
    CoreState core;
    MailerLibrary mailers;
    ShellState shell;
    PropsModel props;
    std::set<std::string> wipeFailuresShown;
    // Made on first use: making it reads the version resource through os.
    std::optional<TVersionLabel> versionLabel1;
};

// The installed state. Throws std::logic_error when none is installed.
ProgramState& Program();

// Installs a state for as long as this object lives, then puts back the one before.
class InstalledProgramState {
public:
    explicit InstalledProgramState(ProgramState& state);
    ~InstalledProgramState();
    InstalledProgramState(const InstalledProgramState&) = delete;
    InstalledProgramState& operator=(const InstalledProgramState&) = delete;

private:
    ProgramState* previous_;
};
