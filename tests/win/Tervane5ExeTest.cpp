// The built program file: its manifest.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "win/BuildTree.h"

namespace {

std::string ManifestOf(const std::string& file) {
    const HMODULE module = LoadLibraryExA(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) {
        return "<not loaded>";
    }
    std::string manifest;
    if (const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), RT_MANIFEST)) {
        const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
        manifest.assign(bytes, SizeofResource(module, found));
    }
    FreeLibrary(module);
    return manifest;
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Writes to the program directory must reach the VirtualStore: no execution level.
TEST(Tervane5Exe, ManifestAsksForCommonControlsAndDpiAwarenessButNoExecutionLevel) {
    const std::string manifest = ManifestOf(Tervane5Exe());
    EXPECT_TRUE(Has(manifest, "Microsoft.Windows.Common-Controls")) << manifest;
    EXPECT_TRUE(Has(manifest, "version=\"6.0.0.0\""));
    EXPECT_TRUE(Has(manifest, "<dpiAware"));
    EXPECT_TRUE(Has(manifest, "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}")) << "Windows 10";
    EXPECT_FALSE(Has(manifest, "requestedExecutionLevel"));
    EXPECT_FALSE(Has(manifest, "trustInfo"));
}

}  // namespace
