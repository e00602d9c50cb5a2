#include "mailers/InternalDriver.h"

#include <string_view>

#include "core/PGPBlocks.h"
#include "mailers/FindRunningMailer.h"
#include "mailers/TargetText.h"
#include "support/FirstWord.h"
#include "support/strutil.h"

namespace {

constexpr std::string_view kFileKey = "file=";

}  // namespace

InternalRequest ParseInternalRequest(const std::string& request) {
    const std::string lower = LowerAscii(request);
    const std::size_t file = lower.find(kFileKey);
    return {FirstWord(lower),
            file == std::string::npos ? std::string() : lower.substr(file + kFileKey.size())};
}

TMFDData InternalReply(const std::string& text) {
    TMFDData reply;
    ClearMFDData(reply);
    reply.Short = kNoWindowNeeded;
    reply.Body = text;
    reply.HasBody = !text.empty();
    if (!text.empty()) {
        reply.Wtype = ClassifyPGP(text).HasPGPBlock ? kWtypeIncoming : kWtypeOutgoing;
    }
    return reply;
}

void RunInternalDriver(const std::string& request) {
    const InternalRequest r = ParseInternalRequest(request);
    if (r.mode == "data") {
        WriteMFDFile(InternalReply(""), r.file);
    } else if (r.mode == "read") {
        WriteMFDFile(InternalReply(ReadTargetText()), r.file);
    } else if (r.mode == "write") {
        TMFDData written;
        ReadMFDFile(r.file, written);
        if (written.HasBody) {
            WriteTargetText(written.Body);
        }
    }
}
