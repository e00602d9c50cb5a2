#include "fakes/FakeTipWindow.h"

namespace {

FakeTipWindow::Seen SeenIn(const ITipBrowser& tips) {
    return {tips.Text(), tips.HelpContext(), tips.ShowTips()};
}

}  // namespace

void FakeTipWindow::ShowModal(ITipBrowser& tips) {
    ++openings;
    seen.push_back(SeenIn(tips));
    if (whileOpen) {
        whileOpen();
    }
    for (Press press : presses) {
        switch (press) {
            case Press::Next:
                tips.Next();
                break;
            case Press::Previous:
                tips.Previous();
                break;
            case Press::ShowTipsOn:
                tips.SetShowTips(true);
                break;
            case Press::ShowTipsOff:
                tips.SetShowTips(false);
                break;
        }
        seen.push_back(SeenIn(tips));
    }
}
