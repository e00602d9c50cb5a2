#pragma once
// The Library and Active lists of the properties window's Mailer Choice page: they show
// Mailers() with the selections of Props(), and the mouse moves mailers between them by
// double-click, pop-up menu or drag and drop.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "shell/MailerLists.h"

class PropsMailerLists {
public:
    // Takes over the mouse of the window's two list boxes. `refresh` runs the window's
    // refresh after each action of the user.
    PropsMailerLists(HWND window, std::function<void()> refresh);

    // Puts the entries and the selections of the model into the list boxes.
    void Show();

    // The list boxes' notifications: the selection moved by the keyboard, a double-click.
    void SelectionChanged(int listId);
    void DoubleClicked(int listId);

    // Draws one row: the entry's display name, with a same-driver mark when it has one.
    void DrawRow(const DRAWITEMSTRUCT& item) const;

private:
    static LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self);
    bool HandleMouse(HWND list, UINT message, LPARAM lParam);
    void ButtonDown(HWND list, bool leftButton, POINT at);
    void Track(HWND list, POINT pressed);
    DropPlace PlaceOf(HWND window) const;
    void OpenMenu(HWND list, POINT screenPoint);
    void Select(HWND list, int row);
    void MoveSelected(int listId);
    void ShowDetails(int listId);

    HWND window_;
    HWND library_;
    HWND active_;
    std::function<void()> refresh_;
    std::vector<std::string> shownLibrary_;
    std::vector<std::string> shownActive_;
    std::vector<bool> shownMarks_;
};
