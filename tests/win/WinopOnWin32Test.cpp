#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "mailers/winop.h"
#include "win/MessageBoxAnswerer.h"
#include "win/OnWin32.h"
#include "win/TestWindow.h"
#include "win32/WindowHandle.h"

namespace {

// Captions carry the process id so that no other program's window can match them.
std::string Unique(const std::string& caption) {
    return caption + " " + std::to_string(GetCurrentProcessId());
}

// A child window of a system class, destroyed with the object.
class ChildWindow {
public:
    ChildWindow(HWND parent, const char* className, const std::string& caption)
        : window_(CreateWindowExA(0, className, caption.c_str(), WS_CHILD | WS_VISIBLE, 0, 0, 50,
                                  20, parent, nullptr, GetModuleHandleA(nullptr), nullptr)) {}
    ~ChildWindow() { DestroyWindow(window_); }
    ChildWindow(const ChildWindow&) = delete;
    ChildWindow& operator=(const ChildWindow&) = delete;

    HWND Get() const { return window_; }

private:
    HWND window_;
};

// A frame with a static pane that holds a button.
class WinopOnWin32 : public OnWin32 {
protected:
    WinopOnWin32() { SetWindowTextA(frame.Get(), frameCaption.c_str()); }

    WindowId Find(const WINDOW& pattern) { return FindWindowByPattern(pattern, Id(frame)); }

    template <typename W>
    static WindowId Id(const W& window) {
        return ToWindowId(window.Get());
    }

    const std::string frameCaption = Unique("Winop frame");
    const std::string buttonCaption = Unique("Winop button");
    TestWindow frame{nullptr, 300, 200};
    ChildWindow pane{frame.Get(), "STATIC", "Pane"};
    ChildWindow button{pane.Get(), "BUTTON", buttonCaption};
};

TEST_F(WinopOnWin32, FindsAGrandchildByItsCaption) {
    WINDOW p;
    p.Caption.Exact = buttonCaption;
    EXPECT_EQ(Find(p), Id(button));
    EXPECT_EQ(FindWindowCaption(Unique("op button"), Id(frame)), buttonCaption);
}

TEST_F(WinopOnWin32, FindsAChildByItsClassAndItsParentsCaption) {
    WINDOW p;
    p.ClassName.Exact = "Static";
    p.Parent.Caption.Exact = frameCaption;
    EXPECT_EQ(Find(p), Id(pane));
}

TEST_F(WinopOnWin32, FindsAGrandchildByItsParentsAndGrandparentsPatterns) {
    WINDOW p;
    p.Parent.ClassName.Exact = "Static";
    p.Parent.Caption.Exact = "Pane";
    p.Parent.GrandParent.ClassName.Exact = "TervaneTestWindow";
    p.Parent.GrandParent.Caption.Contains = frameCaption;
    EXPECT_EQ(Find(p), Id(button));

    p.Parent.GrandParent.ClassName.Exact = "Static";
    EXPECT_EQ(Find(p), WindowId{0});
}

TEST_F(WinopOnWin32, TheOutermostAncestorOfTheButtonIsTheFrame) {
    EXPECT_EQ(OutermostAncestor(Id(button)), Id(frame));
}

TEST_F(WinopOnWin32, AWindowNineLevelsDownIsReportedAndAnsweredWithAbort) {
    std::vector<std::unique_ptr<TestWindow>> chain;
    HWND parent = frame.Get();
    for (int level = 1; level <= 9; ++level) {
        chain.push_back(std::make_unique<TestWindow>(parent, 40, 40));
        parent = chain.back()->Get();
    }
    WINDOW p;
    p.Caption.Exact = frameCaption;

    MessageBoxAnswerer answerer({IDABORT});
    const WindowId found = Find(p);
    const std::optional<SeenMessageBox> seen = answerer.Seen();

    EXPECT_EQ(found, Id(frame));
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(seen->text, kTooComplexWindows);
    EXPECT_EQ(seen->caption, "Error");
    ASSERT_EQ(seen->buttons.size(), 1u);
    EXPECT_EQ(seen->buttons.front().id, IDABORT);
    // Innermost first: a window's destruction takes its children with it.
    while (!chain.empty()) {
        chain.pop_back();
    }
}

}  // namespace
