#pragma once
// TfrmProps: the properties window, the program's main window. Hidden most of the time, it
// holds the choices a run reads, the mailing-list addresses and the mailers' Library and
// Active lists on five pages; it owns the tray icons, the timer and the clipboard receiver.
// Its controls show Props() and Shell() and write the user's changes into them.

#include <windows.h>

#include "win32/WindowProc.h"

#include <memory>
#include <string>
#include <vector>

#include "app/Startup.h"
#include "core/RunContext.h"
#include "win32/GdiObject.h"
#include "win32/HelpFile.h"
#include "win32/Win32Platform.h"

class PropsMailerLists;
class PropsPages;
class PropsTray;
struct PropsView;

class TfrmProps : public IMainWindowSteps, public IRunProperties {
public:
    static constexpr const char* kClassName = "TfrmProps";

    // Creates the window hidden, with its tray icons inactive and its timer running, names
    // it the program's main window and installs it as the properties a run reads.
    explicit TfrmProps(Win32Platform& platform, HelpOpener openHelp = OpenHelpTopic);
    ~TfrmProps() override;
    TfrmProps(const TfrmProps&) = delete;
    TfrmProps& operator=(const TfrmProps&) = delete;

    HWND Handle() const { return window_; }
    const PropsTray& Tray() const { return *tray_; }

    // Puts the window in the middle of the screen, shows it on the page last shown and
    // brings it to the front.
    void ShowPropsWindow();

    // What the creation steps ask of the window.
    void HideFromTaskbar() override;
    void Hide() override;
    void ShowPGPToolsButton(bool show) override;
    void Refresh() override;
    void ActivateTrayIcons() override;

    // What a run reads and uses.
    int ProcessingIndex() override;
    int OutwardIndex() override;
    bool ForceKeyRead() override;
    bool IgnoreWrappedKeys() override;
    std::vector<std::string> MailingListAddresses() override;
    void SetClipboardReceiverText(const std::string& text) override;
    void HideMainWindow() override;

private:
    template <typename Window>
    friend LRESULT ForwardToWindow(const char*, HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK KeyHook(int code, WPARAM wParam, LPARAM lParam);
    // The properties window that holds the window, itself included; null for none.
    static TfrmProps* PropsWindowOf(HWND window);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool PreviewKey(MSG& msg);
    void CreateControls();
    void FormShow();
    void ShowModel();
    void ShowAddresses();
    void ApplyView(const PropsView& view);
    void TabChanged();
    void OpenContextHelp(const HELPINFO& help);
    LRESULT ControlColour(HDC dc, HWND control);
    void FormCloseQuery();
    void FormDestroy();

    // The controls' handlers (PropsButtons.cpp).
    void OnCommand(int id, int notification);
    static bool LockedByRun(int id);
    bool OnModelCommand(int id, int notification);
    void btnOkClick();
    void btnCancelClick();
    void btnHelpClick();
    void btnUnloadClick();
    void btnRunRoutineClick();
    void btnRunClick();
    void btnHelpFileClick();
    void chkTipEnabledClick();
    bool IsChecked(int id) const;

    Win32Platform& platform_;
    HelpOpener openHelp_;
    GdiObject<HBRUSH> noticeBrush_;
    HHOOK keyHook_ = nullptr;
    HWND window_ = nullptr;
    HWND owner_ = nullptr;  // hidden; keeps the window off the taskbar
    std::unique_ptr<PropsPages> pages_;
    std::unique_ptr<PropsMailerLists> lists_;
    std::unique_ptr<PropsTray> tray_;
    std::vector<std::string> shownAddresses_;
    IRunProperties* previousProperties_ = nullptr;
    bool showingModel_ = false;  // the controls' notifications are the window's own echo
};
