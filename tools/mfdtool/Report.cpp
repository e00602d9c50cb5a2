#include "Report.h"

#include "Escape.h"

namespace {

std::string Line(const char* name, const std::string& value) {
    return std::string(name) + "=" + EscapeText(value) + "\n";
}

std::string Line(const char* name, std::int32_t value) {
    return std::string(name) + "=" + std::to_string(value) + "\n";
}

std::string Line(const char* name, bool value) {
    return std::string(name) + (value ? "=true\n" : "=false\n");
}

}  // namespace

std::string RecordReport(const TMFDData& d) {
    return Line("ProtocolVersion", d.ProtocolVersion) + Line("Information", d.Information) +
           Line("Wtype", d.Wtype) + Line("Title", d.Title) + Line("Short", d.Short) +
           Line("To", d.To) + Line("HasTo", d.HasTo) + Line("Cc", d.Cc) + Line("HasCc", d.HasCc) +
           Line("Bcc", d.Bcc) + Line("HasBcc", d.HasBcc) + Line("Attachment", d.Attachment) +
           Line("HasAttachment", d.HasAttachment) + Line("Subject", d.Subject) +
           Line("HasSubject", d.HasSubject) + Line("Body", d.Body) + Line("HasBody", d.HasBody) +
           Line("Command", d.Command) + Line("Lacking", d.Lacking) +
           Line("WrapColumn", d.WrapColumn) + Line("DefaultMailDomain", d.DefaultMailDomain) +
           Line("MFDState", d.MFDState);
}

std::string BlocksReport(const TPGPBlocks& b) {
    return Line("HasPGPBlock", b.HasPGPBlock) + Line("HasPublicKey", b.HasPublicKey) +
           Line("HasSigned", b.HasSigned) + Line("HasMessage", b.HasMessage);
}

std::string DecisionReport(const RunDecision& decision) {
    switch (decision.outcome) {
        case RunOutcome::Invoke:
            return Line("command", decision.command);
        case RunOutcome::Stop:
            return Line("stop", decision.message);
        case RunOutcome::Confirm:
            return Line("confirm", decision.message) + Line("command", decision.command);
    }
    return {};
}
