#include "shell/ClipboardTools.h"

#include <chrono>
#include <thread>

#include "platform/Clipboard.h"
#include "platform/Platform.h"
#include "support/PText32.h"
#include "support/fileutil.h"
#include "support/strutil.h"

namespace {

constexpr const char* kQuotePrefix = "> ";

// Time for the programs that watch the clipboard to take the quotation in.
constexpr std::chrono::milliseconds kQuoteSettleTime{333};

}  // namespace

const SaveDialogOptions kSaveDialog1{
    "Save Message", "Text files (*.txt)|*.txt|Any files|*.*", "*.txt", true, true, true};

// The text is cut at each CR LF and joined again with the prefix after each break; no
// marker character stands in for the breaks, so every byte of the text, "\xFF" too, comes
// through.
std::string QuoteText(const std::string& text) {
    const std::string trimmed = TrimBlanks(text);
    std::string quoted = kQuotePrefix;
    std::size_t from = 0;
    for (std::size_t at = trimmed.find("\r\n"); at != std::string::npos;
         at = trimmed.find("\r\n", from)) {
        quoted += trimmed.substr(from, at - from) + "\r\n" + kQuotePrefix;
        from = at + 2;
    }
    return quoted + trimmed.substr(from);
}

// PrintText1 keeps the component's defaults: Arial 10 point for the body, bold for the
// header and footer, margins of 20 mm left and right, 25 mm top and bottom and 10 mm for the
// header and footer, portrait, word wrap, and no header or footer text.
void popPrintClipboardClick(IPrintCanvas& printer) {
    TPrintText PrintText1(printer);
    PrintText1.BeginPrint();
    PrintText1.Print(Os().clipboard->Text());
    PrintText1.EndPrint();
}

void popQuoteClipboardClick() {
    Os().clipboard->SetText(QuoteText(Os().clipboard->Text()));
    std::this_thread::sleep_for(kQuoteSettleTime);
}

void popSaveClipboardClick() {
    const std::string fileName = Os().dialogs->SaveFileName(kSaveDialog1);
    if (fileName.empty()) {
        return;
    }
    WriteFileString(fileName, Os().clipboard->Text());
}
