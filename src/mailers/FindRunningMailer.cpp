#include "mailers/FindRunningMailer.h"

#include <string>
#include <vector>

#include "core/MFDData.h"
#include "mailers/CallDriver.h"
#include "mailers/MFDDirectory.h"
#include "mailers/winop.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/MailerWindows.h"
#include "platform/Platform.h"
#include "platform/UserInterface.h"
#include "support/AppInfo.h"
#include "support/HelpContexts.h"
#include "support/ProgramPaths.h"
#include "support/fileutil.h"

namespace {

// Asks the driver to describe its mailer. The exchange file is wiped before and after, so
// that a stale file never passes for a reply, and a message left from an earlier run does
// not stay behind in the disk's free space.
TMFDData DescribeMailer() {
    const std::string& exchangeFile = Paths().exchangeFile;
    WipeFile(exchangeFile);
    CallDriver("Data File=" + exchangeFile);
    TMFDData reply;
    ReadMFDFile(exchangeFile, reply);
    WipeFile(exchangeFile);
    return reply;
}

struct RunningMailers {
    int rows = 0;
    std::string lastAdded;  // the driver of the last row added
};

// Fills the chooser with a row for every Active mailer that runs. Messages are processed
// during the walk, so it walks a copy of the driver list that the user cannot change.
RunningMailers ListRunningMailers(IMailerChooser& chooser, IProgressWindow* progress) {
    MailerLibrary& m = Mailers();
    chooser.Clear();
    RunningMailers running;
    const std::vector<std::string> drivers = m.activeDrivers;
    const int n = static_cast<int>(drivers.size());
    for (int i = 0; i < n; ++i) {
        if (progress != nullptr) {
            progress->SetPosition(DetectionPosition(i, n));
        }
        m.currentDriver = drivers[static_cast<std::size_t>(i)];
        if (!Os().files->Exists(m.directory + "\\" + m.currentDriver)) {
            continue;
        }
        const TMFDData reply = DescribeMailer();
        const std::string caption = FindWindowCaption(reply.Short, Os().ui->MainWindow());
        if (caption.empty() && reply.Short != kNoWindowNeeded) {
            continue;
        }
        chooser.AddRow(ChooserRow(reply.Information, caption, m.currentDriver));
        ++running.rows;
        running.lastAdded = m.currentDriver;
    }
    return running;
}

bool AskRetry() {
    return Os().dialogs->MessageDlg(NoMailersRunningText(), MsgDlgType::Error,
                                    {MsgDlgBtn::Abort, MsgDlgBtn::Retry, MsgDlgBtn::Help},
                                    kHelpNoMailersRunning) == mrRetry;
}

}  // namespace

std::string ChooserRow(const std::string& information, const std::string& caption,
                       const std::string& driver) {
    return information + " / " + caption + std::string(kEntryGap, ' ') + driver;
}

std::string NoMailersRunningText() {
    return std::string("No mailers in the ") + kAppTitle +
           " \"Active\" list are running. Press the Help button for tips on how to resolve "
           "this";
}

int DetectionPosition(int i, int n) {
    return i * (20 / n) + 5;
}

bool FindRunningMailer(IMailerChooser& chooser, IProgressWindow* progress) {
    MailerLibrary& m = Mailers();
    for (;;) {
        const RunningMailers running = ListRunningMailers(chooser, progress);
        if (running.rows == 1) {
            m.currentDriver = running.lastAdded;
            return false;
        }
        if (running.rows > 1) {
            const std::optional<std::string> row = chooser.Choose(m.chosenRow);
            if (!row) {
                return true;
            }
            m.currentDriver = DriverFileOf(*row);
            return false;
        }
        if (!AskRetry()) {
            return true;
        }
    }
}
