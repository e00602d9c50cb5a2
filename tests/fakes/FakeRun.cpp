#include "fakes/FakeRun.h"

#include "platform/UserInterface.h"

std::unique_ptr<IMailerChooser> FakeRunMailers::CreateChooser() {
    return choosers.CreateChooser();
}

bool FakeRunMailers::FindRunningMailer(IMailerChooser& /*chooser*/, IProgressWindow* progress) {
    if (choosers.openChoosers > 0) {
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
