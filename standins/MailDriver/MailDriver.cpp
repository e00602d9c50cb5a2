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

void TakeHeader(HWND window, const std::optional<ControlLocator>& locator, std::string& value,
                bool& present) {
    if (const auto text = FieldText(window, locator)) {
        value = OneLine(*text);
        present = true;
    }
}

TMFDData MessageRecord(const FoundWindow& found) {
    TMFDData record;
    record.Wtype = found.kind->wtype;
    TakeHeader(found.window, found.kind->to, record.To, record.HasTo);
    TakeHeader(found.window, found.kind->cc, record.Cc, record.HasCc);
    TakeHeader(found.window, found.kind->subject, record.Subject, record.HasSubject);
    if (const auto body = FieldText(found.window, found.kind->body)) {
        record.Body = *body;
        record.HasBody = !body->empty();
    }
    return record;
}

ExitCode AnswerData(const MailerLayout& layout, const std::string& path) {
    TMFDData record;
    record.Information = layout.information;
    record.Short = layout.shortText;
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
    if (record->HasBody && !SetControlText(body, record->Body)) {
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
