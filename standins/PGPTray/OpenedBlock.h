#pragma once
// What opening one armour block gave.

#include <string>

struct OpenedBlock {
    bool opened = false;  // false: the block is left as it stands
    std::string plain;
    std::string note;  // what was found, for the log
};
