#include "DemoMailLayout.h"

#include "DemoMailIds.h"
#include "ExchangeRecord.h"

namespace demomfd {

namespace {

maildriver::WindowKind DemoMailWindow(const char* caption, const char* className,
                                      std::int32_t wtype, bool writable) {
    using maildriver::ControlLocator;
    maildriver::WindowKind kind;
    kind.caption = caption;
    kind.className = className;
    kind.wtype = wtype;
    kind.writable = writable;
    kind.to = ControlLocator::ById(demomail::kToId);
    kind.cc = ControlLocator::ById(demomail::kCcId);
    kind.subject = ControlLocator::ById(demomail::kSubjectId);
    kind.body = ControlLocator::ById(demomail::kBodyId);
    return kind;
}

}  // namespace

maildriver::MailerLayout DemoMailLayout() {
    maildriver::MailerLayout layout;
    layout.information = kInformation;
    layout.shortText = demomail::kCaptionMark;
    layout.windows = {DemoMailWindow(demomail::kComposeCaption, demomail::kComposeClass,
                                     standin::kWtypeOutgoing, true),
                      DemoMailWindow(demomail::kReadCaption, demomail::kReadClass,
                                     standin::kWtypeIncoming, false)};
    return layout;
}

}  // namespace demomfd
