#include "platform/Platform.h"

#include "platform/Dialogs.h"

const char* MsgDlgCaption(MsgDlgType kind) {
    switch (kind) {
        case MsgDlgType::Warning:
            return "Warning";
        case MsgDlgType::Error:
            return "Error";
        case MsgDlgType::Information:
            return "Information";
        case MsgDlgType::Confirmation:
            return "Confirm";
        case MsgDlgType::Custom:
            break;
    }
    return "";
}
