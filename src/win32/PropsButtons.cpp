// The handlers of the properties window's controls.

#include <string>

#include "core/PGPInvoke.h"
#include "core/PGPMain.h"
#include "mailers/MFDDirectory.h"
#include "shell/PropsModel.h"
#include "shell/ShellState.h"
#include "shell/Tips.h"
#include "shell/Unload.h"
#include "shell/props.h"
#include "shell/settings.h"
#include "support/deblog.h"
#include "support/error.h"
#include "win32/ControlIds.h"
#include "win32/PropsMailerLists.h"
#include "win32/PropsText.h"
#include "win32/props.h"

// What a run in progress locks does nothing: the run reads the lists and the current driver.
bool TfrmProps::LockedByRun(int id) {
    switch (id) {
        case IDOK:
        case IDCANCEL:
        case kBtnUnload:
        case kLstLibrary:
        case kLstActive:
            return RunLocksProps();
        default:
            return false;
    }
}

void TfrmProps::OnCommand(int id, int notification) {
    if (LockedByRun(id)) {
        return;
    }
    switch (id) {
        case IDOK:
            btnOkClick();
            return;
        case IDCANCEL:  // also Escape
            btnCancelClick();
            return;
        case IDHELP:
            btnHelpClick();
            return;
        case kBtnUnload:
            btnUnloadClick();
            return;
        case kBtnRunRoutine:
            btnRunRoutineClick();
            return;
        case kBtnRun:
            btnRunClick();
            return;
        case kBtnPGPKeys:
            RunPGPItem("PGPKeys.Exe");
            return;
        case kBtnPGPTray:
            RunPGPTray();
            return;
        case kBtnPGPTools:
            InvokePGP("-Tools");
            return;
        case kBtnPreferences:
            InvokePGP("-Properties");
            return;
        case kBtnPGPHelpFile:
            btnHelpFileClick();
            return;
        case kBtnShowTipNow:
            // "Show these tips" may have been cleared in the tip window: the box follows it.
            ShowTipOfTheDay();
            ShowModel();
            return;
        default:
            break;
    }
    if (OnModelCommand(id, notification)) {
        Refresh();
    }
}

// The controls that change the model; true when one did, and the window must show the
// rules' result.
bool TfrmProps::OnModelCommand(int id, int notification) {
    PropsModel& props = Props();
    if (id >= kOptProcessingEncrypt && id <= kOptProcessingEncryptAndSign) {
        props.optProcessing = id - kOptProcessingEncrypt;
        return true;
    }
    if (id >= kOptOutwardEncrypt && id <= kOptOutwardEncryptAndSign) {
        props.optOutward = id - kOptOutwardEncrypt;
        return true;
    }
    switch (id) {
        case kChkForceKeyRead:
            props.chkForceKeyRead = IsChecked(id);
            return true;
        case kChkIgnoreWrappedKeys:
            props.chkIgnoreWrappedKeys = IsChecked(id);
            return true;
        case kChkTipEnabled:
            chkTipEnabledClick();
            return true;
        case kTxtMailingListAddress:
            if (notification != EN_CHANGE) {
                return false;
            }
            props.addressEdit = WindowText(GetDlgItem(window_, id));
            return true;
        case kLstMailingListAddress:
            if (notification != LBN_SELCHANGE) {
                return false;
            }
            props.selectedAddress =
                static_cast<int>(SendDlgItemMessageA(window_, id, LB_GETCURSEL, 0, 0));
            return true;
        case kBtnAddAddress:
            if (AddAddress()) {
                BuildActiveDriverList();
            }
            return true;
        case kBtnRemoveAddress:
            RemoveAddress();
            return true;
        case kLstLibrary:
        case kLstActive:
            if (notification == LBN_SELCHANGE) {
                lists_->SelectionChanged(id);
            } else if (notification == LBN_DBLCLK) {
                lists_->DoubleClicked(id);
            }
            return false;  // the lists refresh the window themselves
        default:
            return false;
    }
}

void TfrmProps::btnOkClick() {
    SaveSettings();
    Checkpoint() = 2345;
    Hide();
}

// The mailer lists stay as they are: only the settings are read again.
void TfrmProps::btnCancelClick() {
    Checkpoint() = 4410;
    LoadSettings();
    Checkpoint() = 4411;
    ShowModel();
    Hide();
}

void TfrmProps::btnHelpClick() {
    openHelp_(window_, HelpButtonContext());
}

void TfrmProps::btnUnloadClick() {
    UnloadProgram();
}

void TfrmProps::btnRunRoutineClick() {
    WriteDebugLog("MainPGP-T");
    MainPGP(true);
}

void TfrmProps::btnRunClick() {
    WriteDebugLog("MainPGP-F");
    MainPGP(false);
}

// A PGP without a help file shows nothing.
void TfrmProps::btnHelpFileClick() {
    const std::string helpFile = FindPGPHelpFile();
    if (!helpFile.empty()) {
        WinHelpA(window_, helpFile.c_str(), HELP_FINDER, 0);
    }
}

void TfrmProps::chkTipEnabledClick() {
    Shell().tips.enabled = IsChecked(kChkTipEnabled);
    SaveTipSettings();
}

bool TfrmProps::IsChecked(int id) const {
    return IsDlgButtonChecked(window_, id) == BST_CHECKED;
}
