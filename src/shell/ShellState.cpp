#include "shell/ShellState.h"

ShellState& Shell() {
    static ShellState state;
    return state;
}
