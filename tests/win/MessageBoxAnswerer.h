#pragma once
// Answers the next message box or message dialog of this process from a thread of its own:
// waits for it to be shown (up to 20 seconds), reads it and presses its buttons by id.

#include <windows.h>

#include <optional>
#include <string>
#include <thread>
#include <vector>

struct SeenButton {
    int id = 0;
    std::string caption;
    bool isDefault = false;
    RECT rect{};  // on the screen
};

struct SeenMessageBox {
    std::string caption;
    HWND owner = nullptr;
    std::string text;  // the texts of its non-icon static controls, joined
    RECT textRect{};   // the last of those controls, on the screen
    HICON icon = nullptr;
    std::vector<SeenButton> buttons;  // from left to right on the screen
    // For each press: whether the box was still shown once the press had been handled.
    std::vector<bool> shownAfterPress;
    // A press whose button the box does not have; the box is then closed by its first
    // button so that the test goes on.
    bool missingButton = false;
};

class MessageBoxAnswerer {
public:
    // Presses OK.
    MessageBoxAnswerer();
    // Stands for Escape among the presses: the command that the dialog manager sends for it.
    static constexpr int kEscape = -1;

    // Presses the buttons of these ids in turn.
    explicit MessageBoxAnswerer(std::vector<int> presses);
    ~MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    // Waits for the answering thread; what the box showed, or nothing when no box came
    // in time.
    std::optional<SeenMessageBox> Seen();

private:
    void Answer(const std::vector<int>& presses);

    std::optional<SeenMessageBox> seen_;
    std::thread thread_;
};
