#include "Behaviour.h"

#include <windows.h>

namespace {

constexpr const char* kSection = "Behaviour";
constexpr const char* kCancel = "Cancel";
constexpr const char* kHoldOpen = "HoldOpen";
constexpr const char* kNoEncryptedOutput = "NoEncryptedOutput";

bool IsOn(const char* key, const std::string& settingsPath) {
    return GetPrivateProfileIntA(kSection, key, 0, settingsPath.c_str()) != 0;
}

std::string Line(const char* key, bool on) {
    return std::string(key) + (on ? "=1" : "=0") + "\r\n";
}

}  // namespace

Behaviour ReadBehaviour(const std::string& settingsPath) {
    return {IsOn(kCancel, settingsPath), IsOn(kHoldOpen, settingsPath),
            IsOn(kNoEncryptedOutput, settingsPath)};
}

std::string DescribeBehaviour(const Behaviour& behaviour) {
    return "[" + std::string(kSection) + "]\r\n" + Line(kCancel, behaviour.cancel) +
           Line(kHoldOpen, behaviour.holdOpen) +
           Line(kNoEncryptedOutput, behaviour.noEncryptedOutput);
}
