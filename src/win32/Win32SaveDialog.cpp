// The file-save dialog of Win32Dialogs.

#include <windows.h>

#include <commdlg.h>  // needs windows.h first

#include <algorithm>

#include "win32/Win32Dialogs.h"

namespace {

// The filter as the system takes it: zero bytes for the "|" separators, and two at the end.
std::string SystemFilter(const std::string& filter) {
    std::string pairs = filter;
    std::replace(pairs.begin(), pairs.end(), '|', '\0');
    return pairs + std::string(2, '\0');
}

// The system takes the default extension as the bare extension, "txt", and appends at most
// its first three characters.
std::string SystemExtension(const std::string& defaultExt) {
    const std::size_t dot = defaultExt.rfind('.');
    return dot == std::string::npos ? defaultExt : defaultExt.substr(dot + 1);
}

}  // namespace

std::string Win32Dialogs::SaveFileName(const SaveDialogOptions& options) {
    const std::string filter = SystemFilter(options.filter);
    const std::string extension = SystemExtension(options.defaultExt);
    char file[MAX_PATH] = "";
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Owner();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file;
    dialog.lpstrTitle = options.title.c_str();
    dialog.lpstrDefExt = extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_ENABLESIZING |
                   (options.overwritePrompt ? OFN_OVERWRITEPROMPT : 0) |
                   (options.hideReadOnly ? OFN_HIDEREADONLY : 0) |
                   (options.pathMustExist ? OFN_PATHMUSTEXIST : 0);
    return GetSaveFileNameA(&dialog) ? file : "";
}
