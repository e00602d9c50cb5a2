#pragma once
// A top-level window of the test's own whose menu bar holds "&Edit" with "Select &All\tCtrl+A"
// and "&Copy", over a multi-line edit field that fills it. As a mailer's would, the two
// commands select and copy the field's text. Destroyed with the object.

#include <windows.h>

#include <string>

class EditMenuWindow {
public:
    static constexpr UINT kSelectAll = 4711;
    static constexpr UINT kCopy = 4712;

    // Shown at 50, 50 with a size of 600 x 450, its field holding the text.
    explicit EditMenuWindow(const std::string& text = "");
    ~EditMenuWindow();
    EditMenuWindow(const EditMenuWindow&) = delete;
    EditMenuWindow& operator=(const EditMenuWindow&) = delete;

    HWND Get() const { return frame_; }
    HWND Edit() const { return edit_; }

    // The last command that such a window handled; 0 before the first.
    static UINT lastCommand;

private:
    HWND frame_ = nullptr;
    HWND edit_ = nullptr;
};
