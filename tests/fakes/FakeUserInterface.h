#pragma once
// The program's own user interface as a test sees it: where the progress window opened,
// every bar position, the cursor's shapes and each processing of pending messages.

#include <deque>
#include <functional>
#include <vector>

#include "platform/UserInterface.h"

class FakeUserInterface : public IUserInterface {
public:
    std::unique_ptr<IProgressWindow> ShowRunningWindow(int left, int top) override;
    ScreenPoint CursorPos() override { return cursor; }
    void SetHourglass(bool on) override { hourglass.push_back(on); }
    void ProcessMessages() override;
    // Counts as a processing of messages; waits records how long each wait was.
    void WaitForMessages(int milliseconds) override {
        waits.push_back(milliseconds);
        ProcessMessages();
    }
    WindowId MainWindow() override { return mainWindow; }
    void Sleep(int milliseconds) override { sleeps.push_back(milliseconds); }
    // The next scripted answer; a question without one fails the test.
    bool AskAboutWindow(const IndicatorPlaces& places) override;

    ScreenPoint cursor{500, 400};
    std::vector<ScreenPoint> windowsShownAt;
    std::vector<int> positions;  // 5 as each window opens, then every position set
    int openWindows = 0;
    std::vector<bool> hourglass;  // true: hourglass, false: default
    int processed = 0;
    std::vector<int> waits;
    WindowId mainWindow = 0;
    std::function<void()> onProcessMessages;  // what arrives while messages are processed
    std::vector<int> sleeps;
    std::deque<bool> windowAnswers;        // the user's answers to "Is this the correct Window?"
    std::vector<IndicatorPlaces> askedAt;  // where each question stood
};
