// Fuzzes the run decision with whole runs: the input is a flags byte (bit 0 routine run,
// bit 1 key import preferred), an option byte, then the mailing-list file and the exchange
// file, separated by the first "\n@@\n".

#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "bench/baseline/LiteralReplace.h"
#include "core/Decision.h"
#include "core/PGPBlocks.h"
#include "core/PGPCommands.h"
#include "support/strutil.h"

namespace {

constexpr std::string_view kPartSeparator = "\n@@\n";

RunInput InputFrom(std::string_view bytes) {
    RunInput input;
    const auto flags = static_cast<unsigned char>(bytes[0]);
    input.routineRun = (flags & 1) != 0;
    input.forceKeyRead = (flags & 2) != 0;
    // Mostly the three options and "none", now and then an index no group has.
    input.optionIndex = static_cast<signed char>(bytes[1]) % 5 - 1;
    bytes.remove_prefix(2);
    const std::size_t split = bytes.find(kPartSeparator);
    if (split != std::string_view::npos) {
        input.mailingList = SplitLines(bytes.substr(0, split));
        bytes.remove_prefix(split + kPartSeparator.size());
    }
    ParseMFDText(std::string(bytes), input.data);
    return input;
}

bool IsKnownCommand(const std::string& command) {
    for (const char* known : {"", kCmdAutoEncrypt, kCmdAutoSign, kCmdAutoEncryptSign,
                              kCmdAutoDecryptVerify, kCmdAddKey}) {
        if (command == known) {
            return true;
        }
    }
    return false;
}

bool HasWindowBit(std::int32_t wtype) {
    return (wtype & (kWtypeOutgoing | kWtypePosting | kWtypeIncoming)) != 0;
}

std::string UpperAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

// Only the blanks in front of marker lines go: the result is the text less some blanks,
// it loses no block, and a second pass changes nothing.
void CheckUnindent(const std::string& text) {
    const std::string result = UnindentPGPMarkers(text);
    std::string blanksGone = text;
    std::erase(blanksGone, ' ');
    std::string resultBlanksGone = result;
    std::erase(resultBlanksGone, ' ');
    FUZZ_CHECK(blanksGone == resultBlanksGone);
    const TPGPBlocks before = ClassifyPGP(text);
    const TPGPBlocks after = ClassifyPGP(result);
    FUZZ_CHECK(!before.HasPGPBlock || after.HasPGPBlock);
    FUZZ_CHECK(!before.HasPublicKey || after.HasPublicKey);
    FUZZ_CHECK(!before.HasSigned || after.HasSigned);
    FUZZ_CHECK(!before.HasMessage || after.HasMessage);
    FUZZ_CHECK(UnindentPGPMarkers(result) == result);
    // Where no line is indented by more than one blank, it is the two literal passes.
    if (text.find("\n  ") == std::string::npos) {
        std::string literal = text.starts_with(" -----BEGIN PGP ") ? text.substr(1) : text;
        literal = LiteralReplaceAll("\n -----BEGIN PGP ", literal, "\n-----BEGIN PGP ");
        literal = LiteralReplaceAll("\n -----END PGP ", literal, "\n-----END PGP ");
        FUZZ_CHECK(result == literal);
    }
}

// The text before the first separator of the addresses: the first token compared.
std::string FirstToken(const TMFDData& data) {
    const std::string addresses = TrimBlanks(data.To + " " + data.Cc) + " ";
    return addresses.substr(0, addresses.find_first_of(" ,;"));
}

// Letter case never matters, and a list that holds the first address always hits.
void CheckMailingList(const RunInput& input) {
    const TMFDData& data = input.data;
    const bool hit = MailingListHit(data.To, data.Cc, input.mailingList);
    FUZZ_CHECK(MailingListHit(UpperAscii(data.To), UpperAscii(data.Cc), input.mailingList) == hit);
    std::vector<std::string> longer = input.mailingList;
    longer.push_back(UpperAscii(FirstToken(data)));
    FUZZ_CHECK(MailingListHit(data.To, data.Cc, longer));
}

void CheckStop(const RunDecision& decision, bool nothingRead) {
    FUZZ_CHECK(decision.command.empty());
    if (decision.stopBox == StopBox::AppMessageBox) {
        FUZZ_CHECK(nothingRead ? decision.message == "Couldn't get data from your e-mail program"
                               : decision.message.starts_with("The message holds a NUL character"));
        return;
    }
    FUZZ_CHECK(decision.incoming && !ClassifyPGP(decision.body).HasPGPBlock);
    FUZZ_CHECK(decision.message.starts_with("The incoming message that starts \"" +
                                            decision.body.substr(0, 15) + "\""));
}

// The text for the clipboard is unindented exactly when the window is a read window.
void CheckBody(const TMFDData& data, const RunDecision& decision) {
    const bool readWindow = (data.Wtype & kWtypeIncoming) != 0;
    FUZZ_CHECK(decision.body == (readWindow ? UnindentPGPMarkers(data.Body) : data.Body));
    FUZZ_CHECK(!readWindow || decision.incoming);
}

void CheckInvocation(const RunInput& input, const RunDecision& decision) {
    const TMFDData& data = input.data;
    if (decision.incoming) {
        FUZZ_CHECK(decision.command == kCmdAutoDecryptVerify || decision.command == kCmdAddKey);
        FUZZ_CHECK(ClassifyPGP(decision.body).HasPGPBlock);
    } else if (input.routineRun) {
        // A routine run signs postings; an outgoing window takes its option.
        const bool outgoing = (data.Wtype & kWtypeOutgoing) != 0;
        const bool posting = (data.Wtype & kWtypePosting) != 0;
        FUZZ_CHECK(decision.command == kCmdAutoSign ||
                   (!posting &&
                    decision.command == (outgoing ? OptionToCommand(input.optionIndex, "") : "")));
    } else {
        FUZZ_CHECK(decision.command == OptionToCommand(input.optionIndex, ""));
    }
    if (decision.command == kCmdAddKey) {
        FUZZ_CHECK(ClassifyPGP(decision.body).HasPublicKey);
    }
    // Only encrypting a posting in a special run is asked about, and it always is.
    const bool asks = !input.routineRun && (data.Wtype & kWtypePosting) != 0 &&
                      input.optionIndex != 1 && !decision.incoming;
    FUZZ_CHECK((decision.outcome == RunOutcome::Confirm) == asks);
    FUZZ_CHECK(!asks || decision.helpContext == 9000);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const RunInput input = InputFrom(std::string_view(reinterpret_cast<const char*>(bytes), size));
    CheckUnindent(input.data.Body);
    CheckMailingList(input);
    const RunDecision decision = DecideRun(input);
    FUZZ_CHECK(IsKnownCommand(decision.command));
    // Nothing read, or a body that the clipboard would cut at a zero byte, stops the run
    // with an application message box before anything else.
    const bool nothingRead = !HasWindowBit(input.data.Wtype) && !input.data.HasBody;
    const bool stopsAtOnce = nothingRead || input.data.Body.find('\0') != std::string::npos;
    FUZZ_CHECK(stopsAtOnce == (decision.outcome == RunOutcome::Stop &&
                               decision.stopBox == StopBox::AppMessageBox));
    if (!stopsAtOnce) {
        CheckBody(input.data, decision);
    }
    if (decision.outcome == RunOutcome::Stop) {
        CheckStop(decision, nothingRead);
    } else {
        CheckInvocation(input, decision);
    }
    return 0;
}
