#include "win/GpgTrayInstall.h"

#include <chrono>
#include <stdexcept>

#include "gpgtray/core/ColonListing.h"
#include "win/InstalledProgram.h"
#include "win/PGPTrayStandin.h"
#include "win/TestDir.h"

namespace {

const std::string kBin = std::string(GpgTrayInstall::kFolder) + "GnuPG\\bin\\";
const std::string kTranscripts = kBin + "transcripts\\";

std::string SettingsFile() {
    return std::string(GpgTrayInstall::kFolder) + "TervaneGpg.ini";
}

void Copy(const std::string& from, const std::string& to) {
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) {
        throw std::runtime_error("cannot copy " + from + " to " + to);
    }
}

// The names of the files in the folder that match the pattern ("*.txt").
std::vector<std::string> FilesIn(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            names.push_back(found.cFileName);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::wstring Wide(const std::string& utf8) {
    std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    wide.pop_back();
    return wide;
}

std::string Utf8(const std::wstring& wide) {
    std::string utf8(
        WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, utf8.data(), static_cast<int>(utf8.size()),
                        nullptr, nullptr);
    utf8.pop_back();
    return utf8;
}

}  // namespace

GpgTrayInstall::GpgTrayInstall() {
    for (const std::string& folder :
         {std::string(kFolder), kFolder + std::string("GnuPG"), kBin, kTranscripts}) {
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    Empty();
    Copy(TERVANE_GPG_EXE, Program());
    Copy(GPG_DOUBLE_EXE, Gpg());
    for (const std::string& name : FilesIn(GPG_TRANSCRIPTS "\\", "*.txt")) {
        Copy(GPG_TRANSCRIPTS "\\" + name, kTranscripts + name);
    }
    Set("GpgPath", Gpg());
}

// The program may have been started by Tervane 5 rather than by the test: every tray window
// is asked to close, and its program waited for.
GpgTrayInstall::~GpgTrayInstall() {
    for (int tries = 0; tries < 3; ++tries) {
        const HWND window = FindWindowA("PGPtray_Hidden_Window", nullptr);
        if (!window) {
            break;
        }
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        const HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processId);
        PostMessageA(window, WM_CLOSE, 0, 0);
        if (process && WaitForSingleObject(process, 10000) != WAIT_OBJECT_0) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 10000);
        }
        if (process) {
            CloseHandle(process);
        }
    }
    program_.reset();
    Empty();
}

void GpgTrayInstall::Empty() {
    for (const std::string& folder : {kTranscripts, kBin, std::string(kFolder)}) {
        for (const std::string& name : FilesIn(folder, "*")) {
            DeleteFileA((folder + name).c_str());
        }
    }
}

void GpgTrayInstall::Set(const std::string& key, const std::string& value) {
    WritePrivateProfileStringA("Preferences", key.c_str(), value.c_str(), SettingsFile().c_str());
}

std::string GpgTrayInstall::Get(const std::string& key) {
    char value[1024] = "";
    GetPrivateProfileStringA("Preferences", key.c_str(), "", value, sizeof value,
                             SettingsFile().c_str());
    return value;
}

Transcript GpgTrayInstall::Recorded(const std::string& part) {
    const std::vector<std::string> names = FilesIn(GPG_TRANSCRIPTS "\\", "*" + part + "*.txt");
    const auto transcript = names.empty()
                                ? std::nullopt
                                : ParseTranscript(FileContent(GPG_TRANSCRIPTS "\\" + names[0]));
    if (!transcript) {
        throw std::runtime_error("no recorded run " + part);
    }
    return *transcript;
}

std::string GpgTrayInstall::Fingerprint(const std::string& userId) {
    for (const gpgtray::Key& key : gpgtray::ParseKeyListing(Recorded("01-list-keys").output)) {
        if (key.Label() == userId) {
            return key.fingerprint;
        }
    }
    throw std::runtime_error("no recorded key of " + userId);
}

HWND GpgTrayInstall::Start() {
    program_ = std::make_unique<StandinProgram>("\"" + Program() + "\"");
    HWND window = nullptr;
    WaitUntil(
        [&] {
            const std::vector<HWND> found =
                program_->TopLevelWindows(false, "PGPtray_Hidden_Window");
            window = found.empty() ? nullptr : found.front();
            return window != nullptr;
        },
        20000);
    if (!window) {
        throw std::runtime_error("TervaneGpg.exe showed no PGPtray_Hidden_Window");
    }
    return window;
}

SentCommand::SentCommand(HWND window, unsigned id)
    : answered_(std::async(std::launch::async, [window, id] {
          DWORD_PTR result = 0;
          return SendMessageTimeoutA(window, WM_COMMAND, id, 0, SMTO_NORMAL, 120000, &result) != 0;
      })) {}

SentCommand::~SentCommand() = default;

bool SentCommand::Finished(DWORD timeoutMs) {
    return answered_.wait_for(std::chrono::milliseconds(timeoutMs)) == std::future_status::ready &&
           answered_.get();
}

HWND WaitForDialog(DWORD processId, const char* caption, DWORD timeoutMs) {
    HWND dialog = nullptr;
    WaitUntil(
        [&] {
            for (dialog = FindWindowExA(nullptr, nullptr, "#32770", caption); dialog;
                 dialog = FindWindowExA(nullptr, dialog, "#32770", caption)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(dialog, &owner);
                if (owner == processId && IsWindowVisible(dialog)) {
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return dialog;
}

void PressButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string ItemText(HWND dialog, int id) {
    return WindowText(GetDlgItem(dialog, id));
}

std::string UnicodeClipboardText() {
    if (!OpenClipboard(nullptr)) {
        throw std::runtime_error("cannot open the clipboard");
    }
    const HANDLE block = GetClipboardData(CF_UNICODETEXT);
    const auto* chars = block ? static_cast<const wchar_t*>(GlobalLock(block)) : nullptr;
    const std::wstring text = chars ? chars : L"";
    if (chars) {
        GlobalUnlock(block);
    }
    CloseClipboard();
    return Utf8(text);
}

void SetUnicodeClipboardText(const std::string& utf8) {
    const std::wstring text = Wide(utf8);
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(block), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(block);
    // Content set with no owner is refused: a window of ours owns it.
    const HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       GetModuleHandleA(nullptr), nullptr);
    const bool set =
        OpenClipboard(owner) && EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();
    DestroyWindow(owner);
    if (!set) {
        throw std::runtime_error("cannot set the clipboard's text");
    }
}
