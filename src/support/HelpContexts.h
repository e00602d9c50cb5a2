#pragma once
// The topics of the program's help file that its windows and messages open, by their context
// numbers. help/Tervane5.hhp maps each of them to its page; a test holds the two together.

// The properties window's pages: its Help button opens the shown page's topic, the first
// page's number plus the page's index.
constexpr int kHelpRoutinePage = 4000;
constexpr int kHelpSpecialPage = 4001;
constexpr int kHelpMailerChoicePage = 4002;
constexpr int kHelpOptionsPage = 4003;
constexpr int kHelpAboutPage = 4004;

// The properties window's controls, opened by F1 or the title bar's "?".
constexpr int kHelpForceKeyRead = 3;
constexpr int kHelpUnload = 19;
constexpr int kHelpOutwardChoice = 1004;
constexpr int kHelpMailingLists = 1005;
constexpr int kHelpLibrary = 2000;
constexpr int kHelpActiveList = 2001;
constexpr int kHelpTipOfTheDay = 9020;
constexpr int kHelpIgnoreWrappedKeys = 9022;
constexpr int kHelpDirectPGP = 9050;
constexpr int kHelpNewAddress = 9101;
constexpr int kHelpAddressList = 9102;
constexpr int kHelpAddAddress = 9103;
constexpr int kHelpRemoveAddress = 9104;
constexpr int kHelpRunSpecial = 9200;

// The tools icon's menu.
constexpr int kHelpToolsMenu = 1099;

// Messages and the mailer chooser.
constexpr int kHelpEncryptPosting = 9000;
constexpr int kHelpChooseMailer = 9002;
constexpr int kHelpNoMailersRunning = 9003;
