#pragma once
// The tray program's names as other programs and the user see them.

namespace gpgtray {

// The class of the hidden window to which the commands are sent.
inline constexpr const char* kTrayWindowClass = "PGPtray_Hidden_Window";
inline constexpr const char* kProgramTitle = "Tervane GnuPG Tray";
inline constexpr const char* kSettingsFile = "TervaneGpg.ini";

inline constexpr const char* kRecipientsCaption = "Tervane GnuPG Tray - Recipients";
inline constexpr const char* kOpenedCaption = "Tervane GnuPG Tray - Decrypted text";
inline constexpr const char* kPreferencesCaption = "Tervane GnuPG Tray - Preferences";
inline constexpr const char* kKeysCaption = "Tervane GnuPG Tray - Keys";
inline constexpr const char* kChooseCaption = "Tervane GnuPG Tray - Clipboard";

}  // namespace gpgtray
