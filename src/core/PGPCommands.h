#pragma once
// The commands that a run hands to PGP's tray program.

constexpr const char* kCmdAutoEncrypt = "-AutoEncrypt";
constexpr const char* kCmdAutoSign = "-AutoSign";
constexpr const char* kCmdAutoEncryptSign = "-AutoEncryptSign";
constexpr const char* kCmdAutoDecryptVerify = "-AutoDecryptVerify";
constexpr const char* kCmdAddKey = "-AddKey";
constexpr const char* kCmdProperties = "-Properties";
constexpr const char* kCmdTools = "-Tools";
