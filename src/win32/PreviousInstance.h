#pragma once
// TPreviousInstance: the named mutex by which a copy of the program finds out that another
// copy runs. Made before anything else; the mutex lives as long as this copy runs.

#include <string>

#include "win32/UniqueHandle.h"

class TPreviousInstance {
public:
    // Creates the mutex named with the program's file name (with its extension, in lower
    // case); when it existed already, another copy runs and the handle is closed at once.
    explicit TPreviousInstance(const std::string& programFileName);

    bool PreviousInstance() const { return previous_; }

    // The file name without ".EXE"; empty when the name does not hold ".EXE".
    const std::string& InstanceName() const { return instanceName_; }

private:
    UniqueHandle mutex_;
    bool previous_ = false;
    std::string instanceName_;
};

// Brings the first copy's main window forward when it is visible (restored when minimised);
// an invisible one, living in the notification area, is left alone.
void RaiseFirstCopy();
