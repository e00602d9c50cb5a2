#pragma once
// The screen as a user sees it: saved once every window has painted and Wine has shown it.

#include <functional>
#include <string>

// Waits until no visible window of any program has a part left to paint, doing `meanwhile`
// between looks (a thread waiting for its own windows handles their messages there); false
// when some window is still waiting after a few seconds.
bool WaitUntilPainted(const std::function<void()>& meanwhile = {});

// The whole screen saved as a 24-bit BMP file, once it has settled.
bool SaveScreenshot(const std::string& path);
