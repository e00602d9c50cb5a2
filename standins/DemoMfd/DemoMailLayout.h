#pragma once
// The demo mailer as its program driver knows it.

#include "MailerLayout.h"

namespace demomfd {

constexpr const char* kInformation =
    "Demo Mail, the demo mail program (program driver DemoMfd.EXE)";

// Both windows by their class and caption, the fields by their control ids.
maildriver::MailerLayout DemoMailLayout();

}  // namespace demomfd
