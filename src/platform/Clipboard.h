#pragma once
// The system clipboard's text.

#include <string>

class IClipboard {
public:
    virtual ~IClipboard() = default;

    // The clipboard's text; empty when it holds none.
    virtual std::string Text() = 0;

    // Replaces the clipboard's content by the text, marked in the same clipboard session as
    // private: kept out of the clipboard history, the cloud clipboard and clipboard monitors.
    virtual void SetText(const std::string& text) = 0;

    // Empties the clipboard, so that whatever text it holds afterwards was put there since.
    virtual void Empty() = 0;

    // A number that changes whenever any program changes the clipboard's content.
    virtual unsigned SequenceNumber() = 0;
};
