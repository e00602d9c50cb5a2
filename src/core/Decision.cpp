#include "core/Decision.h"

#include <optional>

#include "core/MailingListIndex.h"
#include "core/PGPBlocks.h"
#include "core/PGPCommands.h"
#include "support/HelpContexts.h"
#include "support/strutil.h"

namespace {

constexpr const char* kNoDataText = "Couldn't get data from your e-mail program";
constexpr const char* kNulInBodyText =
    "The message holds a NUL character (a zero byte). The clipboard would carry the text "
    "only up to that character and the rest of the message would be lost, so Tervane 5 has "
    "left the message as it is. Remove the character from the message and try again.";
constexpr const char* kPostingEncryptText =
    "You have opted to encrypt a message to a mailing list or newsgroup. This is not usually "
    "appropriate conduct. Are you sure you want to do this?";
constexpr int kOptionSign = 1;
constexpr std::size_t kQuotedStartLength = 15;

// What the steps of one decision learn and pass on.
struct RunState {
    bool outgoing = false;
    bool posting = false;
    bool incoming = false;
    bool keyImport = false;
    bool mailingListHit = false;
    TPGPBlocks blocks;
    std::string body;
    std::string command;
};

bool IsAddressSeparator(char c) {
    return c == ' ' || c == ',' || c == ';';
}

// A stop before the text is looked at, told in the application's message box.
RunDecision StopAtOnce(const char* message) {
    RunDecision stop;
    stop.outcome = RunOutcome::Stop;
    stop.stopBox = StopBox::AppMessageBox;
    stop.message = message;
    return stop;
}

// Neither a window bit nor a body: the driver gave nothing to work on.
bool NothingRead(const TMFDData& data) {
    return (data.Wtype & (kWtypeOutgoing | kWtypePosting | kWtypeIncoming)) == 0 && !data.HasBody;
}

// A compose window that already holds PGP output other than a key is decrypted or
// verified, not processed again.
void ClassifyBody(const RunInput& input, RunState& state) {
    const TMFDData& data = input.data;
    state.outgoing = (data.Wtype & kWtypeOutgoing) != 0;
    state.posting = (data.Wtype & kWtypePosting) != 0;
    state.incoming = (data.Wtype & kWtypeIncoming) != 0;
    state.body = state.incoming ? UnindentPGPMarkers(data.Body) : data.Body;
    input.milestone(5507);
    state.blocks = ClassifyPGP(state.body);
    if ((state.outgoing || state.posting) && state.blocks.HasPGPBlock &&
        !state.blocks.HasPublicKey) {
        state.incoming = true;
    }
}

// A bare key block is imported; a key that comes with a signed or encrypted block only when
// the user prefers key import in a special run.
void DecideKeyImport(const RunInput& input, RunState& state) {
    const TPGPBlocks& b = state.blocks;
    state.keyImport = state.incoming && b.HasPublicKey && !b.HasSigned && !b.HasMessage;
    if (input.forceKeyRead && !input.routineRun && state.incoming && b.HasPublicKey) {
        state.keyImport = true;
    }
}

// Each rule overrides the one before: in a routine run mailing lists and postings are
// signed, never encrypted.
void ChooseOutwardCommand(const RunInput& input, RunState& state) {
    if (input.routineRun && state.outgoing) {
        state.command = OptionToCommand(input.optionIndex, state.command);
    }
    if (input.routineRun && (state.posting || state.mailingListHit)) {
        state.command = kCmdAutoSign;
    }
    if (!input.routineRun) {
        state.command = OptionToCommand(input.optionIndex, state.command);
    }
}

// What the run hands on whatever its outcome: the text for the clipboard and its direction.
RunDecision DecisionFrom(const RunState& state) {
    RunDecision decision;
    decision.incoming = state.incoming;
    decision.body = state.body;
    return decision;
}

// An incoming text is decrypted or verified; one without any PGP block stops the run with
// the start of the text, so the user can tell which message it was.
std::optional<RunDecision> TakeIncoming(RunState& state) {
    if (!state.incoming) {
        return std::nullopt;
    }
    if (!state.blocks.HasPGPBlock) {
        RunDecision stop = DecisionFrom(state);
        stop.outcome = RunOutcome::Stop;
        stop.stopBox = StopBox::ErrorDialog;
        stop.message = "The incoming message that starts \"" +
                       state.body.substr(0, kQuotedStartLength) +
                       "\" does not contain any PGP data.";
        return stop;
    }
    state.command = kCmdAutoDecryptVerify;
    state.posting = false;
    return std::nullopt;
}

// Encrypting a posting is the user's explicit choice in a special run; it is asked about.
RunDecision InvokeOrConfirm(const RunInput& input, const RunState& state) {
    RunDecision decision = DecisionFrom(state);
    decision.command = state.command;
    if (!input.routineRun && state.posting && input.optionIndex != kOptionSign) {
        decision.outcome = RunOutcome::Confirm;
        decision.message = kPostingEncryptText;
        decision.helpContext = kHelpEncryptPosting;
    } else {
        decision.outcome = RunOutcome::Invoke;
    }
    return decision;
}

}  // namespace

std::string OptionToCommand(int index, const std::string& current) {
    switch (index) {
        case 0:
            return kCmdAutoEncrypt;
        case 1:
            return kCmdAutoSign;
        case 2:
            return kCmdAutoEncryptSign;
        default:
            return current;
    }
}

// Every maximal run of characters between separators is one token; a run of separators
// ends one token only. The pending flag starts set, so a text that begins with a separator
// first compares an empty token. Lower-casing the whole text lowers every token in it.
bool MailingListHit(const std::string& to, const std::string& cc,
                    const std::vector<std::string>& mailingList) {
    const MailingListIndex list(mailingList);
    const std::string addresses = LowerAscii(TrimBlanks(to + " " + cc) + " ");
    const std::string_view text(addresses);
    bool pending = true;
    std::size_t tokenStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsAddressSeparator(text[i])) {
            pending = true;
            continue;
        }
        if (pending) {
            pending = false;
            if (list.Holds(text.substr(tokenStart, i - tokenStart))) {
                return true;
            }
        }
        tokenStart = i + 1;
    }
    return false;
}

// The clipboard's text ends at its first zero byte: PGP would work on part of the message
// and the write-back would replace the whole message with that part.
RunDecision DecideRun(const RunInput& input) {
    if (NothingRead(input.data)) {
        return StopAtOnce(kNoDataText);
    }
    if (input.data.Body.find('\0') != std::string::npos) {
        return StopAtOnce(kNulInBodyText);
    }
    RunState state;
    ClassifyBody(input, state);
    DecideKeyImport(input, state);
    input.milestone(5508);
    state.mailingListHit = MailingListHit(input.data.To, input.data.Cc, input.mailingList);
    ChooseOutwardCommand(input, state);
    if (std::optional<RunDecision> stop = TakeIncoming(state)) {
        return *stop;
    }
    if (state.keyImport) {
        state.command = kCmdAddKey;
    }
    return InvokeOrConfirm(input, state);
}
