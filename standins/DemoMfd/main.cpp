// DemoMfd.exe, the Mail Form Driver of the demo mailer. Started with "Data File=PATH",
// "read File=PATH" or "Write File=PATH"; without a request it shows what it is.

#include <windows.h>

#include "DemoMailLayout.h"
#include "DriverRequest.h"
#include "MailDriver.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const auto request =
        maildriver::ParseDriverRequest(maildriver::CommandArguments(GetCommandLineA()));
    if (request.kind == maildriver::RequestKind::None) {
        MessageBoxA(nullptr, demomfd::kInformation, "Demo Mail driver", MB_OK | MB_ICONINFORMATION);
        return maildriver::kDone;
    }
    return maildriver::ServeRequest(demomfd::DemoMailLayout(), request);
}
