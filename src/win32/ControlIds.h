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
