#include "shell/settings.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/CoreState.h"
#include "core/PGPInvoke.h"
#include "mailers/MFDDirectory.h"
#include "platform/Platform.h"
#include "platform/Profiles.h"
#include "shell/PropsModel.h"
#include "shell/ShellState.h"
#include "support/ProgramPaths.h"
#include "support/deblog.h"
#include "support/error.h"
#include "support/fileutil.h"
#include "support/strutil.h"
#include "support/verslab.h"

namespace {

constexpr const char* kGeneral = "General";
constexpr const char* kPGP = "PGP";

constexpr const char* kOptProcessing = "optProcessing";
constexpr const char* kOptOutward = "optOutward";
constexpr const char* kRecentPage = "RecentPage";
constexpr const char* kIgnoreWrappedKeys = "chkIgnoreWrappedKeys";
constexpr const char* kForceKeyRead = "chkForceKeyRead";
constexpr const char* kTipNumber = "TipNumber";
constexpr const char* kTipEnabled = "TipEnabled";
constexpr const char* kLocalRoot = "LocalRoot";
constexpr const char* kVersion = "Version";
constexpr const char* kMainexe = "Mainexe";
constexpr const char* kDistInfo = "DistInfo";

// Text values come through a buffer of 1024 bytes, its terminating zero included.
constexpr std::size_t kTextMax = 1023;

// The digits after a hexadecimal prefix; nothing when the text has no such prefix.
std::optional<std::string_view> HexDigits(std::string_view text) {
    for (std::string_view prefix : {"0x", "0X", "$"}) {
        if (text.starts_with(prefix)) {
            return text.substr(prefix.size());
        }
    }
    return std::nullopt;
}

// The whole text as a number in the base; nothing when it is empty, holds anything but the
// number, or the number does not fit.
template <typename Number>
std::optional<Number> WholeNumber(std::string_view text, int base) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::string ReadText(const std::string& path, const char* section, const char* key) {
    return Os().profiles->ReadPrivate(path, section, key, "").substr(0, kTextMax);
}

int ReadInteger(const char* key, int defaultValue) {
    return ProfileInteger(ReadText(kSettingsFile, kGeneral, key), defaultValue);
}

bool ReadBoolean(const char* key, bool defaultValue) {
    return ReadInteger(key, defaultValue ? 1 : 0) != 0;
}

void WriteText(const char* key, const std::string& value) {
    if (!Os().profiles->WritePrivate(kSettingsFile, kGeneral, key, value)) {
        throw SettingsWriteError(std::string("Unable to write to ") + kSettingsFile);
    }
}

void WriteInteger(const char* key, int value) {
    WriteText(key, std::to_string(value));
}

void WriteBoolean(const char* key, bool value) {
    WriteText(key, value ? "1" : "0");
}

// Below -1 selects nothing, as -1 does; above the last choice selects the last.
int ChoiceInGroup(int index) {
    return std::clamp(index, -1, kChoiceEncryptAndSign);
}

// A missing file gives an empty list.
std::vector<std::string> ReadListFile(const char* name) {
    return SplitLines(ReadFileString(Paths().dir + name));
}

// Every line, the last one too, ends in CR LF.
void WriteListFile(const char* name, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    WriteFileString(Paths().dir + name, text);
}

void LoadMailingList() {
    Props().mailingList = ReadListFile(kMailingListFile);
    WriteDebugLog("Loaded Mailing List File");
}

void LoadChoices() {
    PropsModel& props = Props();
    props.optProcessing = ChoiceInGroup(ReadInteger(kOptProcessing, kChoiceEncrypt));
    props.optOutward = ChoiceInGroup(ReadInteger(kOptOutward, kChoiceEncrypt));
    Checkpoint() = 1004;
    // A page that does not exist (a damaged or foreign settings file) is the nearest that does.
    Shell().recentPage =
        std::clamp(ReadInteger(kRecentPage, kPageMailerChoice), kPageRoutine, kPageAbout);
    Checkpoint() = 1005;
    Checkpoint() = 1006;
    props.chkIgnoreWrappedKeys = ReadBoolean(kIgnoreWrappedKeys, false);
    Checkpoint() = 1008;
    props.chkForceKeyRead = ReadBoolean(kForceKeyRead, false);
    Checkpoint() = 1011;
}

// Written at every load and never read back: they tell other programs where this copy lives
// and which version it is.
void StoreInstallation() {
    WriteText(kLocalRoot, Paths().dir);
    WriteText(kVersion, VersionLabel1().Caption());
}

}  // namespace

int ProfileInteger(std::string_view text, int defaultValue) {
    std::optional<std::int32_t> value;
    if (const std::optional<std::string_view> hex = HexDigits(text)) {
        // Any 32-bit pattern is taken as it is: "$FFFFFFFF" is -1.
        if (const auto bits = WholeNumber<std::uint32_t>(*hex, 16)) {
            value = static_cast<std::int32_t>(*bits);
        }
    } else {
        value = WholeNumber<std::int32_t>(text, 10);
    }
    return value.value_or(defaultValue);
}

// The profile functions open and close the settings file for every value, so the
// checkpoints of opening and closing it mark no work of their own.
void LoadSettings() {
    LoadMailingList();
    Checkpoint() = 1001;
    Checkpoint() = 1002;
    LoadChoices();
    Shell().tips = TipState{ReadInteger(kTipNumber, 0), ReadBoolean(kTipEnabled, true)};
    Props().chkTipEnabled = Shell().tips.enabled;
    Checkpoint() = 1012;
    StoreInstallation();
    Core().PGPMainProgramPath = ReadText(kSettingsFile, kPGP, kMainexe);
    ReadPGPIdentity(VersionLabel1());
    Checkpoint() = 1013;
}

void SaveSettings() {
    const PropsModel& props = Props();
    Checkpoint() = 1101;
    Checkpoint() = 1102;
    WriteInteger(kOptProcessing, props.optProcessing);
    Checkpoint() = 1104;
    WriteInteger(kOptOutward, props.optOutward);
    Checkpoint() = 1105;
    WriteBoolean(kIgnoreWrappedKeys, props.chkIgnoreWrappedKeys);
    WriteBoolean(kForceKeyRead, props.chkForceKeyRead);
    WriteInteger(kRecentPage, Shell().recentPage);
    Checkpoint() = 1199;
    WriteListFile(kMailingListFile, props.mailingList);
    WriteListFile(kActiveMailersFile, ActiveLinesToSave(Mailers()));
}

void SaveTipSettings() {
    const TipState& tips = Shell().tips;
    WriteInteger(kTipNumber, tips.index);
    WriteBoolean(kTipEnabled, tips.enabled);
    Props().chkTipEnabled = tips.enabled;
}

void LoadDistInfo() {
    Shell().distInfo = ReadText(Paths().dir + kDistInfoFile, kGeneral, kDistInfo);
}
