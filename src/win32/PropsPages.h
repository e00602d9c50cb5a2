#pragma once
// The pages of the properties window: their controls with captions, places and help
// topics, and the tab control that shows one page at a time. Every control is a child of
// the window itself, laid over the tab control's page area, so that all notifications reach
// the window; a page shows its own controls and hides the others.

#include <windows.h>

#include <set>
#include <vector>

#include "win32/GdiObject.h"

class PropsPages {
public:
    // Creates the tab control in that part of the window's client area and every page's
    // controls inside its page area, with the font, and the hints of the buttons that have
    // one. No page is shown yet.
    PropsPages(HWND window, const RECT& place, HFONT font);

    HWND Tabs() const { return tabs_; }

    // The tabs of the Routine, Special and Options pages are shown only while mailers are
    // active; Mailer Choice and About always.
    void ShowMailerTabs(bool shown);

    // Brings the page to the front and selects its tab when it has one.
    void Show(int page);

    // The page whose tab is selected; -1 for none.
    int SelectedTabPage() const;

    // Keeps a control hidden whatever page is shown (false), or lets it show with its page
    // again (true).
    void Allow(int id, bool allowed);

    // The background of a label, check box, choice or frame on a page: the page area's own,
    // so that it does not stand out where the tab control paints that area differently from
    // the window. Null for the other controls.
    HBRUSH PageBackground(HWND control, HDC dc) const;

    // Paints the window's face under the tab control as the control paints itself: it shows
    // through the frames on the pages, which paint only their lines and captions.
    void PaintUnderTabs(HDC dc) const;

private:
    void ShowControls(int page);

    HWND window_;
    HWND tabs_;
    GdiObject<HBITMAP> pageBitmap_;  // the tab control as it paints itself without controls
    GdiObject<HBRUSH> pageBrush_;
    std::vector<int> tabPages_;  // the page shown by each tab, by tab position
    std::set<int> suppressed_;
    int page_ = -1;
};
