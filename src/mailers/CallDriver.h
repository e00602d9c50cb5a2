#pragma once
// Running the current driver with a request, and the command lines that do it.

#include <string>

// The command line of a program driver: directory\driver, a blank, the request. The
// directory is used in its short form, and the program part is quoted when it still holds a
// blank, so that blanks do not split the program's name; the request goes as it is.
std::string ProgramDriverCommand(const std::string& directory, const std::string& driver,
                                 const std::string& request);

// The command line that hands a script to the interpreter "ORV.EXE" in the program's own
// directory (in its short form; quoted when it still holds a blank): the script's bare file
// name, a blank, the request.
std::string ScriptDriverCommand(const std::string& programShortDir, const std::string& script,
                                const std::string& request);

// Runs the current driver with the request and returns when it has ended. Pending messages
// are processed before and after; the driver's exit code is not used.
void CallDriver(const std::string& request);
