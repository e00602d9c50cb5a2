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

// frmProps. Its buttons "&Ok", "&Cancel" and "&Help" carry the standard ids IDOK, IDCANCEL
// (Enter and Escape) and IDHELP. The three choices of each option group are consecutive.
constexpr int kTabPages = 600;
constexpr int kBtnUnload = 601;
constexpr int kOptProcessing = 610;  // the group's frame; its choices follow
constexpr int kOptProcessingEncrypt = 611;
constexpr int kOptProcessingSign = 612;
constexpr int kOptProcessingEncryptAndSign = 613;
constexpr int kBtnRunRoutine = 614;
constexpr int kGrpMailingList = 615;
constexpr int kLblMailingListAddress = 616;
constexpr int kTxtMailingListAddress = 617;
constexpr int kBtnAddAddress = 618;
constexpr int kLblMailingListNote = 619;
constexpr int kLstMailingListAddress = 620;
constexpr int kBtnRemoveAddress = 621;
constexpr int kOptOutward = 630;  // the group's frame; its choices follow
constexpr int kOptOutwardEncrypt = 631;
constexpr int kOptOutwardSign = 632;
constexpr int kOptOutwardEncryptAndSign = 633;
constexpr int kBtnRun = 634;
constexpr int kChkForceKeyRead = 635;
constexpr int kLblSpecialNote = 636;
constexpr int kGrpDirectPGP = 637;
constexpr int kBtnPGPKeys = 638;
constexpr int kBtnPGPTray = 639;
constexpr int kBtnPGPTools = 640;
constexpr int kBtnPreferences = 641;
constexpr int kBtnPGPHelpFile = 642;
constexpr int kLblLibrary = 650;
constexpr int kLstLibrary = 651;
constexpr int kLblActive = 652;
constexpr int kLstActive = 653;
constexpr int kLblNoMailers = 654;
constexpr int kGrpTips = 660;
constexpr int kChkTipEnabled = 661;
constexpr int kBtnShowTipNow = 662;
constexpr int kChkIgnoreWrappedKeys = 663;
constexpr int kImgAboutIcon = 670;
constexpr int kTxtAbout = 671;
// The items of frmProps's pop-up menus.
constexpr int kPopPrint = 690;
constexpr int kPopQuote = 691;
constexpr int kPopSaveToFile = 692;
constexpr int kPopHelp = 693;
constexpr int kPopExit = 694;
constexpr int kPopDetails = 695;
constexpr int kPopMakeActive = 696;
constexpr int kPopReturnToLibrary = 697;
