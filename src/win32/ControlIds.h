#pragma once
// Identifiers of the controls of the program's own windows, by kind of control. Buttons
// of the message dialog carry the system's standard ids (IDOK, IDYES, ...) instead.

// The message dialog.
constexpr int kImgMessageIcon = 100;
constexpr int kLblMessageText = 101;

// frmRunning.
constexpr int kPnlPanel2 = 200;
constexpr int kImgRunningPicture = 201;
constexpr int kPbProgressBar1 = 202;

// frmChooseMailer. Its buttons carry the standard ids: btnOk IDOK, btnCancel IDCANCEL (the
// dialog manager's answers to Enter and Escape) and btnHelp IDHELP.
constexpr int kLstRunningMailers = 300;

// frmShowScriptInfo.
constexpr int kTxtText1 = 400;
constexpr int kImgScriptInfoIcon = 401;
constexpr int kBtnCommand1 = 402;

// frmTips. Its buttons "&Ok" and "&Help" carry the standard ids IDOK and IDHELP.
constexpr int kImgTipIcon = 500;
constexpr int kLblTipHeading = 501;
constexpr int kLblTipText = 502;
constexpr int kBtnTipNext = 503;
constexpr int kBtnTipPrevious = 504;
constexpr int kChkShowTips = 505;
