#pragma once
// The stand-in's own result windows: a top-level window with a read-only multi-line edit,
// as the real tray program shows decrypted text and its preferences and tools.

#include <string>

inline constexpr const char* kDecryptedCaption = "PGP Stand-in - Decrypted text";
inline constexpr const char* kPreferencesCaption = "PGP Stand-in - Preferences";
inline constexpr const char* kToolsCaption = "PGP Stand-in - Tools";

// Shows the text in the window with that caption, which is created when none is open;
// false when it could not be created.
bool ShowTextWindow(const char* caption, const std::string& text);
