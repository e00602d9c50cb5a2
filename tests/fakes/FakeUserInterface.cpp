#include "fakes/FakeUserInterface.h"

#include <stdexcept>

namespace {

class FakeProgressWindow : public IProgressWindow {
public:
    explicit FakeProgressWindow(FakeUserInterface& ui) : ui_(ui) {
        ++ui_.openWindows;
        ui_.positions.push_back(5);
    }
    ~FakeProgressWindow() override { --ui_.openWindows; }
    void SetPosition(int position) override { ui_.positions.push_back(position); }

private:
    FakeUserInterface& ui_;
};

}  // namespace

std::unique_ptr<IProgressWindow> FakeUserInterface::ShowRunningWindow(int left, int top) {
    windowsShownAt.push_back({left, top});
    return std::make_unique<FakeProgressWindow>(*this);
}

void FakeUserInterface::ProcessMessages() {
    ++processed;
    if (onProcessMessages) {
        onProcessMessages();
    }
}

bool FakeUserInterface::AskAboutWindow(const IndicatorPlaces& places) {
    askedAt.push_back(places);
    if (windowAnswers.empty()) {
        throw std::logic_error("a window confirmation that the test did not script");
    }
    const bool answer = windowAnswers.front();
    windowAnswers.pop_front();
    return answer;
}
