#include "mailers/RunMailers.h"

#include "mailers/CallDriver.h"
#include "mailers/FindRunningMailer.h"
#include "platform/Platform.h"

std::unique_ptr<IMailerChooser> RunMailers::CreateChooser() {
    return Os().mailerWindows->CreateChooser();
}

bool RunMailers::FindRunningMailer(IMailerChooser& chooser, IProgressWindow* progress) {
    return ::FindRunningMailer(chooser, progress);
}

void RunMailers::CallDriver(const std::string& request) {
    ::CallDriver(request);
}
