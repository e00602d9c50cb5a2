#pragma once
// What the properties window holds besides the two mailer lists (which live in Mailers()):
// the choices a run reads, the mailing-list addresses, the selections and the About text.
// The window shows this model and writes the user's changes into it.

#include <string>
#include <vector>

// The three choices of the two option groups.
constexpr int kChoiceEncrypt = 0;
constexpr int kChoiceSign = 1;
constexpr int kChoiceEncryptAndSign = 2;

// The pages of the properties window, by index.
constexpr int kPageRoutine = 0;
constexpr int kPageSpecial = 1;
constexpr int kPageMailerChoice = 2;
constexpr int kPageOptions = 3;
constexpr int kPageAbout = 4;

struct PropsModel {
    int optProcessing = kChoiceEncrypt;  // -1 when nothing is selected
    int optOutward = kChoiceEncrypt;     // -1 when nothing is selected
    bool chkIgnoreWrappedKeys = false;
    bool chkForceKeyRead = false;
    bool chkTipEnabled = true;  // the Options page's "&Enable"

    std::vector<std::string> mailingList;  // in the order of entry
    int selectedAddress = -1;
    std::string addressEdit;  // txtMailingListAddress

    int selectedLibrary = -1;  // row of Mailers().library; -1 for none
    int selectedActive = -1;   // row of Mailers().active; -1 for none

    std::string aboutText;  // txtAbout
};

PropsModel& Props();
