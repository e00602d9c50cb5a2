// Plays the user's part in the demo when there is no one to watch it: the demo mailer shows
// a message being written, the pilot clicks Tervane 5's tray icon and watches the text come
// back encrypted; then a received encrypted message is opened the same way and the PGP
// stand-in shows its plain text. Last, the internal driver is made Active in the properties
// window and encrypts a letter in Wine's notepad, a program with no driver of its own, once
// the user has confirmed the window. Each step is printed and the screen saved.
//   DemoPilot.exe OUTPUT_DIR DEMOMAIL_EXE

#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "demo/Screenshot.h"
#include "src/win32/ControlIds.h"
#include "standins/DemoMail/DemoMailIds.h"

namespace {

constexpr const char* kEncryptedBegin = "-----BEGIN PGP MESSAGE-----";
constexpr const char* kDecryptedCaption = "PGP Stand-in - Decrypted text";
constexpr const char* kQuestion = "Is this the correct Window?";
constexpr const char* kInternalDriver = "Any window (internal driver)";
constexpr DWORD kTimeoutMs = 60000;

std::string outputDir;

std::string TextOf(HWND window) {
    char text[8192] = "";
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
    return text;
}

// Polls until the condition gives a window; null after the time limit.
HWND WaitFor(const std::function<HWND()>& condition) {
    for (DWORD waited = 0; waited < kTimeoutMs; waited += 100) {
        if (HWND found = condition()) {
            return found;
        }
        Sleep(100);
    }
    return nullptr;
}

std::vector<HWND> TrayIconWindows() {
    std::vector<HWND> icons;
    for (HWND w = FindWindowExA(nullptr, nullptr, "TTaskIcon", nullptr); w;
         w = FindWindowExA(nullptr, w, "TTaskIcon", nullptr)) {
        icons.push_back(w);
    }
    return icons;
}

// Both icons are in the notification area: start-up has ended, and a click starts a run.
bool IconsInTheArea() {
    const std::vector<HWND> icons = TrayIconWindows();
    for (HWND icon : icons) {
        NOTIFYICONDATAA record{};
        record.cbSize = NOTIFYICONDATAA_V1_SIZE;
        record.hWnd = icon;
        if (!Shell_NotifyIconA(NIM_MODIFY, &record)) {
            return false;
        }
    }
    return icons.size() >= 2;
}

void Say(const std::string& text) {
    std::printf("%s\n", text.c_str());
    std::fflush(stdout);
}

void Shot(const char* name) {
    const std::string path = outputDir + "\\" + name + ".bmp";
    Say(SaveScreenshot(path) ? std::string("   (screen saved as ") + name + ".bmp)"
                             : std::string("   (the screen could not be saved)"));
}

bool Fail(const std::string& why) {
    Say("FAILED: " + why);
    Shot("failure");
    return false;
}

// A left click on the main tray icon, as the notification area reports it. The tools icon
// ignores left clicks, so both icons may hear it.
void ClickTrayIcon(HWND mailerWindow) {
    SetForegroundWindow(mailerWindow);
    BringWindowToTop(mailerWindow);
    Sleep(500);
    for (HWND icon : TrayIconWindows()) {
        PostMessageA(icon, WM_USER, 0, WM_LBUTTONUP);
    }
}

std::string Indented(const std::string& text) {
    std::string out = "      ";
    for (char c : text) {
        if (c == '\r') {
            continue;
        }
        out += c;
        if (c == '\n') {
            out += "      ";
        }
    }
    return out;
}

bool EncryptOutgoing(HWND compose, std::string& encrypted) {
    HWND body = GetDlgItem(compose, demomail::kBodyId);
    Say("1. Demo Mail's compose window holds a message to " +
        TextOf(GetDlgItem(compose, demomail::kToId)) + ":");
    Say(Indented(TextOf(body)));
    Shot("1-compose");
    Say("2. Click on Tervane 5's tray icon...");
    ClickTrayIcon(compose);
    const bool done = WaitFor([&] {
                          return TextOf(body).rfind(kEncryptedBegin, 0) == 0 ? body : nullptr;
                      }) != nullptr;
    if (!done) {
        return Fail("the compose window's text did not come back encrypted");
    }
    encrypted = TextOf(body);
    Say("3. The compose window now holds the encrypted text:");
    Say(Indented(encrypted));
    Shot("2-encrypted");
    return true;
}

// Writes the file in the output folder; its path, empty when it cannot be written.
std::string WriteFile(const char* name, const std::string& text) {
    const std::string path = outputDir + "\\" + name;
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        return {};
    }
    std::fwrite(text.data(), 1, text.size(), out);
    return std::fclose(out) == 0 ? path : std::string();
}

bool Start(std::string command) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

bool DecryptIncoming(const std::string& demoMail, const std::string& encrypted) {
    const std::string message =
        WriteFile("received.txt",
                  "From: Alice <alice@example.org>\r\nTo: Bob <bob@example.org>\r\n"
                  "Subject: Encrypted for you\r\n\r\n" +
                      encrypted);
    const std::string command = "\"" + demoMail + "\" /read \"" + message + "\"";
    if (message.empty() || !Start(command)) {
        return Fail("cannot start " + command);
    }
    HWND reader = WaitFor([] { return FindWindowA(demomail::kReadClass, nullptr); });
    if (reader == nullptr) {
        return Fail("the read window did not open");
    }
    Say("4. The same text arrives as a received message in Demo Mail's read window.");
    Shot("3-received");
    Say("5. Click on Tervane 5's tray icon...");
    ClickTrayIcon(reader);
    HWND shown = WaitFor([] { return FindWindowA(nullptr, kDecryptedCaption); });
    if (shown == nullptr) {
        return Fail("PGP did not show the decrypted text");
    }
    HWND edit = FindWindowExA(shown, nullptr, "Edit", nullptr);
    Say("6. PGP shows the decrypted text:");
    Say(Indented(TextOf(edit != nullptr ? edit : shown)));
    Shot("4-decrypted");
    return true;
}

// A visible top-level window with that title other than `except`; null for none.
HWND OtherWindowTitled(const char* title, HWND except) {
    for (HWND w = FindWindowExA(nullptr, nullptr, nullptr, title); w;
         w = FindWindowExA(nullptr, w, nullptr, title)) {
        if (w != except && IsWindowVisible(w)) {
            return w;
        }
    }
    return nullptr;
}

// The properties window opened from the main icon, the internal driver moved from the
// Library to the Active list by a double click, and OK.
bool MakeInternalDriverActive() {
    Say("7. Right-click on Tervane 5's icon opens the properties; a double click on \"" +
        std::string(kInternalDriver) + "\" in the Library makes it Active:");
    // Only the main icon: a right click on the tools icon opens the tools' menu.
    PostMessageA(FindWindowA("TTaskIcon", "Tervane 5"), WM_USER, 0, WM_RBUTTONUP);
    HWND props = WaitFor([] {
        HWND w = FindWindowA("TfrmProps", nullptr);
        return w != nullptr && IsWindowVisible(w) ? w : nullptr;
    });
    if (props == nullptr) {
        return Fail("the properties window did not open");
    }
    HWND library = GetDlgItem(props, kLstLibrary);
    const LRESULT entry = SendMessageA(library, LB_FINDSTRING, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(kInternalDriver));
    if (entry == LB_ERR) {
        return Fail("the Library has no internal driver");
    }
    SendMessageA(library, LB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    PostMessageA(props, WM_COMMAND, MAKEWPARAM(kLstLibrary, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(library));
    // The internal driver works alone: the program asks before it empties the Active list.
    HWND question = WaitFor([props] { return OtherWindowTitled("Tervane 5", props); });
    if (question == nullptr) {
        return Fail("Tervane 5 did not ask before making the internal driver Active");
    }
    Sleep(500);
    Shot("5-properties");
    SendMessageA(FindWindowExA(question, nullptr, "Button", "&Yes"), BM_CLICK, 0, 0);
    WaitFor([question] { return IsWindow(question) ? nullptr : question; });
    SendMessageA(props, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(props, IDOK)));
    return true;
}

// Answers the program's question around the window with Yes once it is asked.
bool ConfirmWindow(const char* step, const char* shot) {
    HWND panel = WaitFor([] { return FindWindowA(nullptr, kQuestion); });
    if (panel == nullptr) {
        return Fail("Tervane 5 did not ask whether it has the correct window");
    }
    Sleep(500);
    Say(step);
    Shot(shot);
    SendMessageA(GetDlgItem(panel, IDYES), BM_CLICK, 0, 0);
    return WaitFor([panel] { return IsWindow(panel) ? nullptr : panel; }) != nullptr;
}

// The demo mailer's windows and PGP's text window closed, so that notepad's text is the
// largest one on the screen.
void CloseEarlierWindows() {
    for (const char* className : {demomail::kComposeClass, demomail::kReadClass}) {
        if (HWND w = FindWindowA(className, nullptr)) {
            PostMessageA(w, WM_CLOSE, 0, 0);
        }
    }
    if (HWND w = FindWindowA(nullptr, kDecryptedCaption)) {
        PostMessageA(w, WM_CLOSE, 0, 0);
    }
    Sleep(1000);
}

bool EncryptInNotepad() {
    CloseEarlierWindows();
    const std::string letter =
        WriteFile("letter.txt", "Dear Carol,\r\n\r\nthe keys are under the mat.\r\n\r\nAlice\r\n");
    if (letter.empty() || !Start("notepad.exe \"" + letter + "\"")) {
        return Fail("cannot start notepad");
    }
    HWND notepad = WaitFor([] { return FindWindowA("Notepad", nullptr); });
    HWND edit = notepad ? FindWindowExA(notepad, nullptr, "Edit", nullptr) : nullptr;
    if (edit == nullptr) {
        return Fail("notepad did not open");
    }
    SetWindowPos(notepad, nullptr, 60, 40, 640, 420, SWP_NOZORDER);
    Say("8. Notepad, which has no driver of its own, holds a letter. Click on the tray icon...");
    ClickTrayIcon(notepad);
    if (!ConfirmWindow("9. Tervane 5 frames the window it found and asks before it reads it:",
                       "6-confirm-read") ||
        !ConfirmWindow("10. ...and again before it writes PGP's result back:", "7-confirm-write")) {
        return false;
    }
    if (WaitFor([&] { return TextOf(edit).rfind(kEncryptedBegin, 0) == 0 ? edit : nullptr; }) ==
        nullptr) {
        return Fail("notepad's text did not come back encrypted");
    }
    Say("11. Notepad now holds the encrypted letter:");
    Say(Indented(TextOf(edit)));
    Shot("8-notepad-encrypted");
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: DemoPilot.exe OUTPUT_DIR DEMOMAIL_EXE\n");
        return 2;
    }
    outputDir = argv[1];
    HWND compose = WaitFor([] { return FindWindowA(demomail::kComposeClass, nullptr); });
    if (compose == nullptr) {
        Fail("Demo Mail's compose window did not open");
        return 1;
    }
    if (WaitFor([&] { return IconsInTheArea() ? compose : nullptr; }) == nullptr) {
        Fail("Tervane 5's tray icons did not appear");
        return 1;
    }
    std::string encrypted;
    const bool ok = EncryptOutgoing(compose, encrypted) && DecryptIncoming(argv[2], encrypted) &&
                    MakeInternalDriverActive() && EncryptInNotepad();
    Say(ok ? "The demo ran to its end." : "The demo stopped early.");
    return ok ? 0 : 1;
}
