#pragma once
// Answers the next message box of this process from a thread of its own: waits for the
// box to be shown (up to a time limit), reads it and presses OK.

#include <windows.h>

#include <optional>
#include <string>
#include <thread>

struct SeenMessageBox {
    std::string caption;
    std::string text;  // the texts of its non-icon static controls, joined
    HICON icon = nullptr;
};

class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(DWORD timeoutMs = 20000);
    ~MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    // Waits for the answering thread; what the box showed, or nothing when no box came
    // within the time limit.
    std::optional<SeenMessageBox> Seen();

private:
    void Answer(DWORD timeoutMs);

    std::optional<SeenMessageBox> seen_;
    std::thread thread_;
};
