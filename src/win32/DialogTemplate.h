#pragma once
// An in-memory dialog template: the dialog and its controls, without texts or places, which
// the dialog gives them once it exists (its texts are 8-bit, and its layout depends on
// them).

#include <windows.h>

#include <vector>

class DialogTemplate {
public:
    // A dialog of that style and extended style in the font of that face and point size.
    DialogTemplate(DWORD style, const wchar_t* fontFace, WORD pointSize, DWORD exStyle = 0);

    // The system's predefined control classes.
    static constexpr WORD kButton = 0x0080;
    static constexpr WORD kEdit = 0x0081;
    static constexpr WORD kStatic = 0x0082;
    static constexpr WORD kListBox = 0x0083;

    void AddControl(WORD controlClass, int id, DWORD style);

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

    // Shows the dialog modally over the owner and returns what it ended with (-1 when it
    // could not be made). Without an owner it is modal to the whole thread, as a task-modal
    // message box is: the thread's other top-level windows are disabled while it is open.
    INT_PTR ShowModal(HWND owner, DLGPROC procedure, LPARAM param) const;

private:
    void PushDword(DWORD value);
    void PushString(const wchar_t* text);
    void AlignToDword();

    // The template is a sequence of WORDs; its DWORD fields go in as two of them.
    std::vector<WORD> words_;
};
