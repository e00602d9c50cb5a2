#include "mailers/TargetWindow.h"

#include <utility>

#include "mailers/ConfirmWindow.h"
#include "mailers/MFDDirectory.h"
#include "mailers/WindowWalk.h"
#include "mailers/winop.h"
#include "platform/Platform.h"
#include "platform/UserInterface.h"
#include "support/fileutil.h"
#include "support/sysinfo.h"

namespace {

// ES_PASSWORD for edit fields: a password is never a message.
constexpr std::uint32_t kPasswordStyle = 0x20;
// A window must be larger than this both ways to hold a message.
constexpr int kSmallestSide = 150;

bool IsListed(const std::string& className, const std::string& listText) {
    return listText.find(className + "\r\n") != std::string::npos;
}

class TargetSearch : public WindowWalk {
public:
    TargetSearch(WindowId mainWindow, std::string selAllText, std::string getSetText)
        : mainWindow_(mainWindow),
          selAllText_(std::move(selAllText)),
          getSetText_(std::move(getSetText)) {}

    TargetWindow Run() {
        Walk(mainWindow_);
        return best_;
    }

private:
    // The checks in their order; the first that fails ends the check of the window.
    void Visit(WindowId w) override {
        IWindows& windows = *Os().windows;
        if ((windows.StyleOf(w) & kPasswordStyle) != 0) {
            return;
        }
        const std::optional<TargetKind> kind =
            ListedKind(windows.ClassNameOf(w), selAllText_, getSetText_);
        if (!kind) {
            return;
        }
        const ScreenRect r = windows.Bounds(w);
        const long long area = static_cast<long long>(r.Width()) * r.Height();
        if (area <= bestArea_ || r.Width() <= kSmallestSide || r.Height() <= kSmallestSide) {
            return;
        }
        if (IsWindowMinimised(w) || OutermostAncestor(w) == mainWindow_) {
            return;
        }
        best_ = {w, *kind, true};
        bestArea_ = area;
    }

    // The program's own fields, such as the About text of the hidden properties window,
    // are larger than many a mailer's and must never pass for the message.
    WindowId mainWindow_;
    std::string selAllText_;
    std::string getSetText_;
    TargetWindow best_;
    long long bestArea_ = 0;
};

std::string ReadClassList(const char* name) {
    return ReadFileString(Mailers().directory + "\\" + name);
}

}  // namespace

std::optional<TargetKind> ListedKind(const std::string& className, const std::string& selAllText,
                                     const std::string& getSetText) {
    if (IsListed(className, selAllText)) {
        return TargetKind::MenuCopy;
    }
    if (IsListed(className, getSetText)) {
        return TargetKind::TextByMessage;
    }
    return std::nullopt;
}

TargetWindow SearchTargetWindow() {
    return TargetSearch(Os().ui->MainWindow(), ReadClassList(kSelAllList),
                        ReadClassList(kGetSetList))
        .Run();
}

TargetWindow FindTargetWindow() {
    TargetWindow target = SearchTargetWindow();
    target.found = target.found && ConfirmWindow(target.window);
    return target;
}
