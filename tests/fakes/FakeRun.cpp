#include "fakes/FakeRun.h"

#include "platform/UserInterface.h"

namespace {

class FakeChooser : public IMailerChooser {
public:
    explicit FakeChooser(int& open) : open_(open) { ++open_; }
    ~FakeChooser() override { --open_; }

private:
    int& open_;
};

}  // namespace

std::unique_ptr<IMailerChooser> FakeRunMailers::CreateChooser() {
    return std::make_unique<FakeChooser>(openChoosers);
}

bool FakeRunMailers::FindRunningMailer(IMailerChooser& /*chooser*/, IProgressWindow* progress) {
    if (openChoosers > 0) {
        ++searchesWithOpenChooser;
    }
    if (progress != nullptr) {
        for (int position : detectionPositions) {
            progress->SetPosition(position);
        }
    }
    return abandon;
}

void FakeRunMailers::CallDriver(const std::string& request) {
    requests.push_back(request);
    if (onCallDriver) {
        onCallDriver(request);
    }
}
