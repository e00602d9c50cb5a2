#pragma once
// The clipboard tools of the tools icon's menu: the clipboard's text, typically a message
// that PGP has just decrypted, printed, turned into a quotation or saved to a file. A
// clipboard without text counts as holding the empty text.

#include <string>

#include "platform/Dialogs.h"

class IPrintCanvas;

// SaveDialog1, the dialog of "&Save to file".
extern const SaveDialogOptions kSaveDialog1;

// The text as a quotation: its leading and trailing blanks and control characters gone, and
// "> " before each of its lines. Lines end at CR LF only; a lone CR or LF stays inside its
// line, and every other byte stays as it is.
std::string QuoteText(const std::string& text);

// "&Print": the clipboard's text printed on the default printer by PrintText1. The printer's
// failures go to the caller, the lack of a default printer among them (PrinterError).
void popPrintClipboardClick(IPrintCanvas& printer);

// "&Quote ": the clipboard's text replaced by its quotation.
void popQuoteClipboardClick();

// "&Save to file": asks for a file and writes the clipboard's text into it exactly; a failed
// write is reported as a warning.
void popSaveClipboardClick();
