#pragma once
// A printer for tests: Wine's PostScript driver with a small A4 printer description, on the
// port "FILE:", the default printer while this object lives and removed with it, so that
// the other tests of the prefix see none. Printing to "FILE:" asks for the output file's
// name in a "Print to File" dialog.

#include <windows.h>

#include <string>
#include <vector>

class PostScriptPrinter {
public:
    PostScriptPrinter();  // throws when the printer cannot be installed
    ~PostScriptPrinter();
    PostScriptPrinter(const PostScriptPrinter&) = delete;
    PostScriptPrinter& operator=(const PostScriptPrinter&) = delete;
};

// Waits up to 20 seconds for a shown dialog of that caption, of any program, types the file
// name into it and presses its OK; whether the dialog came.
bool AnswerFileDialog(const char* caption, const std::string& fileName);

// The texts drawn on each page of a PostScript file that Wine's driver wrote, one string
// per text drawn, read back from the names of the glyphs shown.
std::vector<std::vector<std::string>> PrintedPages(const std::string& postScript);
