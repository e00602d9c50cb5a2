#pragma once
// The recipients dialog: the keys that can take the message, narrowed by what the user
// types, several chosen at once, and whether to encrypt to the user's own key too.

#include "OkCancelDialog.h"
#include "gpgtray/core/CodePage.h"
#include "gpgtray/core/RecipientChoice.h"
#include "resource.h"

namespace gpgtray {

class RecipientsDialog : public OkCancelDialog {
public:
    RecipientsDialog(RecipientChoice& choice, const ICodePage& codePage)
        : choice_(choice), codePage_(codePage) {}

    // Modal; true when the user confirmed a choice of at least one key.
    bool Run() { return RunOkCancel(IDD_RECIPIENTS); }

private:
    bool OnInit() override;
    bool OnControl(int id, int notification) override;
    // The rows of the keys that match the filter, chosen ones selected.
    void Fill();
    // Takes the selection of the rows shown into the choice.
    void TakeSelection();
    void OnOk() override;

    RecipientChoice& choice_;
    const ICodePage& codePage_;
    std::vector<std::size_t> shown_;  // the offered key of each row
};

}  // namespace gpgtray
