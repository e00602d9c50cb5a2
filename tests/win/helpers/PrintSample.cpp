// Prints a sample message as the tools icon's "&Print" prints the clipboard, on the tests'
// PostScript printer, into a file, for scripts/print-sample. The printer is gone afterwards.
//
//   PrintSample <PostScript file>

#include <windows.h>

#include <thread>

#include "app/ProgramState.h"
#include "platform/Clipboard.h"
#include "shell/ClipboardTools.h"
#include "win/PostScriptPrinter.h"
#include "win32/Win32Platform.h"
#include "win32/Win32PrintCanvas.h"

namespace {

constexpr const char* kMessage =
    "Hello Alice,\r\n"
    "\r\n"
    "thank you for the draft of the agreement. I have read it twice, and apart from the three "
    "points below it reads well to me; once they are settled I will sign it and send it back "
    "by post, so that you have it before the meeting on Thursday.\r\n"
    "\r\n"
    "\t1.\tThe term runs from the first of March, not from the day it is signed.\r\n"
    "\t2.\tThe notice period is three months on either side.\r\n"
    "\t3.\tThe fee is paid quarterly in advance.\r\n"
    "\r\n"
    "Best regards,\r\n"
    "Bob\r\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    Win32Platform platform;
    ProgramState state;
    state.os = platform.Services();
    const InstalledProgramState installed(state);
    const PostScriptPrinter printer;
    Os().clipboard->SetText(kMessage);
    std::thread answerer([output = argv[1]] { AnswerFileDialog("Print to File", output); });
    Win32PrintCanvas canvas;
    popPrintClipboardClick(canvas);
    answerer.join();
    return 0;
}
