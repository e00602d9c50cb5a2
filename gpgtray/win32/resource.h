/* The resource identifiers of the tray program's dialogs and controls. Plain defines: the
   resource compiler reads this file too. */
#pragma once

#define IDD_RECIPIENTS 101
#define IDD_OPENED 102
#define IDD_PREFERENCES 103
#define IDD_KEYS 104
#define IDD_CHOOSE 105

#define IDC_FILTER 1001
#define IDC_RECIPIENTS 1002
#define IDC_ENCRYPT_TO_SELF 1003
#define IDC_SIGNATURE 1010
#define IDC_PLAIN_TEXT 1011
#define IDC_GPG_PATH 1020
#define IDC_FOUND_GPG 1021
#define IDC_DEFAULT_KEY 1022
#define IDC_KEY_LIST 1030
#define IDC_KEY_STATUS 1031
#define IDC_IMPORT 1032
#define IDC_COPY_KEY 1033
#define IDC_QUIT 1034
