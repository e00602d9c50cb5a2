#pragma once
// frmRunning, the progress window of one run ("PGP Running").

#include <memory>

#include "platform/UserInterface.h"
#include "platform/WindowApi.h"

constexpr int kRunningWidth = 137;
constexpr int kRunningHeight = 23;

// Where the window opens: its top-left corner at the cursor, kept 50 pixels inside the
// screen's right and bottom edges and at least its own size plus 50 from the left and top.
ScreenPoint RunningWindowPlace(ScreenPoint cursor, const ScreenRect& screen);

// Creates frmRunning at the cursor and shows it with its bar at 5.
std::unique_ptr<IProgressWindow> ShowRunningWindow();
