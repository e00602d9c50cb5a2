#include "mailers/ConfirmWindow.h"

#include "platform/Platform.h"

namespace {

// The space between the question and the buttons' row.
constexpr int kButtonGap = 6;

}  // namespace

IndicatorPlaces IndicatorPlacesAround(const ScreenRect& target) {
    const ScreenRect& t = target;
    return {
        {t.left, t.top, t.left + kIndicatorBarWidth, t.bottom},
        {t.left, t.top, t.right, t.top + kIndicatorBarWidth},
        {t.right - kIndicatorBarWidth, t.top, t.right, t.bottom},
        {t.left, t.bottom - kIndicatorPanelHeight, t.right, t.bottom},
    };
}

// The middle is taken from the label's width less its left edge, as the panel has always
// done; with the label at the panel's left edge that is the panel's middle.
PanelButtonPlaces PanelButtonLayout(int label1Left, int label1Width, int buttonWidth,
                                    int buttonHeight) {
    const int yesLeft = (label1Width - label1Left) / 2 - buttonWidth;
    return {buttonHeight + kButtonGap, yesLeft, yesLeft + buttonWidth};
}

bool ConfirmWindow(WindowId target) {
    IWindows& windows = *Os().windows;
    windows.SetForeground(target);
    return Os().ui->AskAboutWindow(IndicatorPlacesAround(windows.Bounds(target)));
}
