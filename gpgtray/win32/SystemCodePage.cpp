#include "SystemCodePage.h"

#include <windows.h>

namespace gpgtray {

namespace {

std::wstring Widened(UINT codePage, std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    std::wstring wide(MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string Narrowed(UINT codePage, std::wstring_view wide) {
    if (wide.empty()) {
        return {};
    }
    const int size = static_cast<int>(wide.size());
    std::string text(
        WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), size, text.data(), static_cast<int>(text.size()),
                        nullptr, nullptr);
    return text;
}

}  // namespace

std::wstring WideFromUtf8(std::string_view utf8) {
    return Widened(CP_UTF8, utf8);
}

std::string Utf8FromWide(std::wstring_view wide) {
    return Narrowed(CP_UTF8, wide);
}

std::string SystemCodePage::ToUtf8(std::string_view text) const {
    return Utf8FromWide(Widened(CP_ACP, text));
}

std::string SystemCodePage::FromUtf8(std::string_view utf8) const {
    return Narrowed(CP_ACP, WideFromUtf8(utf8));
}

}  // namespace gpgtray
