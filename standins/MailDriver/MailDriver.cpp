#include "MailDriver.h"

#include <algorithm>

#include "ControlText.h"
#include "ExchangeFile.h"
#include "MailerWindows.h"

namespace maildriver {

namespace {

// A header value must stay on its line of the exchange file.
std::string OneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

// The text of the located control; nothing when the kind has no such field or the
// control is missing or does not answer.
std::optional<std::string> FieldText(HWND window, const std::optional<ControlLocator>& locator) {
    if (!locator) {
        return std::nullopt;
    }
    HWND control = FindControl(window, *locator);
    return control ? GetControlText(control) : std::nullopt;
}

// A field whose control exists has its line, even when the control is empty.
std::optional<std::string> HeaderField(HWND window, const std::optional<ControlLocator>& locator) {
    const auto text = FieldText(window, locator);
    return text ? std::optional(OneLine(*text)) : std::nullopt;
}

standin::ExchangeRecord MessageRecord(const FoundWindow& found) {
    standin::ExchangeRecord record;
    record.wtype = found.kind->wtype;
    record.to = HeaderField(found.window, found.kind->to);
    record.cc = HeaderField(found.window, found.kind->cc);
    record.subject = HeaderField(found.window, found.kind->subject);
    const auto body = FieldText(found.window, found.kind->body);
    if (body && !body->empty()) {
        record.body = *body;
    }
    return record;
}

ExitCode AnswerData(const MailerLayout& layout, const std::string& path) {
    standin::ExchangeRecord record;
    record.information = layout.information;
    record.shortText = layout.shortText;
    return WriteExchangeFile(path, record) ? kDone : kFileError;
}

ExitCode AnswerRead(const MailerLayout& layout, const std::string& path) {
    const auto found = FrontMailerWindow(layout, false);
    if (!found) {
        return kNoWindow;
    }
    return WriteExchangeFile(path, MessageRecord(*found)) ? kDone : kFileError;
}

// A file without body leaves the window as it is.
ExitCode AnswerWrite(const MailerLayout& layout, const std::string& path) {
    const auto record = ReadExchangeFile(path);
    if (!record) {
        return kFileError;
    }
    const auto found = FrontMailerWindow(layout, true);
    HWND body =
        found && found->kind->body ? FindControl(found->window, *found->kind->body) : nullptr;
    if (!body) {
        return kNoWindow;
    }
    if (record->body && !SetControlText(body, *record->body)) {
        return kNoWindow;
    }
    return kDone;
}

}  // namespace

ExitCode ServeRequest(const MailerLayout& layout, const DriverRequest& request) {
    switch (request.kind) {
        case RequestKind::Data:
            return AnswerData(layout, request.file);
        case RequestKind::Read:
            return AnswerRead(layout, request.file);
        case RequestKind::Write:
            return AnswerWrite(layout, request.file);
        default:
            return kBadRequest;
    }
}

}  // namespace maildriver
