// Plays the user's part in the demo when there is no one to watch it: the demo mailer shows
// a message being written, the pilot clicks Tervane 5's tray icon and watches the text come
// back encrypted; then a received encrypted message is opened the same way and the PGP
// stand-in shows its plain text. Each step is printed and the screen saved.
//   DemoPilot.exe OUTPUT_DIR DEMOMAIL_EXE

#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "demo/Screenshot.h"
#include "standins/DemoMail/DemoMailIds.h"

namespace {

constexpr const char* kEncryptedBegin = "-----BEGIN PGP MESSAGE-----";
constexpr const char* kDecryptedCaption = "PGP Stand-in - Decrypted text";
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

bool DecryptIncoming(const std::string& demoMail, const std::string& encrypted) {
    const std::string message = outputDir + "\\received.txt";
    FILE* out = std::fopen(message.c_str(), "wb");
    if (out == nullptr) {
        return Fail("cannot write " + message);
    }
    std::fprintf(out,
                 "From: Alice <alice@example.org>\r\nTo: Bob <bob@example.org>\r\n"
                 "Subject: Encrypted for you\r\n\r\n%s",
                 encrypted.c_str());
    std::fclose(out);
    std::string command = "\"" + demoMail + "\" /read \"" + message + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return Fail("cannot start " + command);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
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
    const bool ok = EncryptOutgoing(compose, encrypted) && DecryptIncoming(argv[2], encrypted);
    Say(ok ? "The demo ran to its end." : "The demo stopped early.");
    return ok ? 0 : 1;
}
