#pragma once
// What the properties window's "Details" commands show of a mailer: a program driver speaks
// for itself; a script's "Information" lines are shown in the script information window.

#include <string>

// The caption of the script information window for the script.
std::string ScriptInfoCaption(const std::string& scriptFile);

// The memo text: the script's 100 "Information" lines, each followed by CR LF, a missing one
// as an empty line.
std::string ScriptInfoText(const std::string& scriptFile);

// Makes the driver current; a name holding ".EXE" (in upper case) runs the program with an
// empty request, any other opens the script information window.
void ShowMailerDetails(const std::string& driverFile);

// Makes the script current and shows its information window until it is closed.
void ShowScriptInfo(const std::string& scriptFile);
