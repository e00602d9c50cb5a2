#pragma once
// The application's own name and help file, as the user sees them.

// The application title: the caption of the application's message boxes and of custom
// message dialogs.
constexpr const char* kAppTitle = "Tervane 5";

// The compiled HTML help file in the program directory whose topics the Help buttons open.
constexpr const char* kHelpFileName = "Tervane5.chm";
