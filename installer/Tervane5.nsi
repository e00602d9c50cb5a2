; The installer of Tervane 5, built by the build's "dist" target:
;   makensis -DVERSION=5.0.0 -DTARGET=x86-unicode -DLAYOUT=<dir> -DFILES=<files.nsh>
;            -DOUTFILE=<setup.exe> Tervane5.nsi
; LAYOUT holds the installation as it is laid out on disk; FILES, written by the build, lists
; its files (see TervaneFiles). TARGET amd64-unicode makes the 64-bit installer of the 64-bit
; build.
;
; Silent use: Setup.exe /S [/GPGTRAY | /PGPTRAY=<path of PGP's tray program>] [/D=<folder>]
; Without either option an existing PGP tray setting is kept, or else the GnuPG tray program
; is chosen when the installer carries it.

Unicode true
Target ${TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include nsDialogs.nsh
!include "${FILES}"

!define PRODUCT "Tervane 5"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tervane5"
!define SETTINGS "$WINDIR\Tervane5.INI"
; A running Tervane 5 ends when it finds this file in its folder; it looks every 6 seconds.
!define QUIT_FLAG "Installer.Flg"
!define QUIT_WAIT_TICKS 60  ; of half a second

Name "${PRODUCT}"
OutFile "${OUTFILE}"
!if "${TARGET}" == "amd64-unicode"
    InstallDir "$PROGRAMFILES64\${PRODUCT}"
!else
    InstallDir "$PROGRAMFILES\${PRODUCT}"
!endif
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" ""

Var PgpTray        ; the PGP tray program the settings will name; empty: leave them
Var PgpChoice      ; "gpg", "pgp" or "keep"
Var GpgRadio
Var PgpRadio
Var KeepRadio
Var PgpPathBox

!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "This installs ${PRODUCT} ${VERSION}, which brings PGP encryption to your mail program.$\r$\n$\r$\nInstall GnuPG (or PGP 5.x) first: ${PRODUCT} hands every message to a PGP tray program, and the GnuPG tray program that comes with it needs GnuPG.$\r$\n$\r$\nA running ${PRODUCT} is asked to end before its files are replaced."
!define MUI_FINISHPAGE_TEXT "${PRODUCT} is installed. Start it from the Start menu; its icons appear in the notification area.$\r$\n$\r$\nRight-click the ${PRODUCT} icon and move your mail program into the Active list on the Mailer Choice page."
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\Tervane5.chm"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Show the help"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
Page custom PgpTrayPage PgpTrayPageLeave
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; --- Files ------------------------------------------------------------------------------

!macro InstallFile FOLDER NAME
    SetOutPath "$INSTDIR${FOLDER}"
    File "${LAYOUT}${FOLDER}\${NAME}"
!macroend

; A file that users edit (the mailer library): installed only where there is none yet.
!macro InstallKeptFile FOLDER NAME
    SetOutPath "$INSTDIR${FOLDER}"
    SetOverwrite off
    File "${LAYOUT}${FOLDER}\${NAME}"
    SetOverwrite on
!macroend

!macro RemoveFile FOLDER NAME
    Delete "$INSTDIR${FOLDER}\${NAME}"
!macroend

; The files that the program writes in its folder as it runs.
!macro RemoveRunTimeFiles DIR
    Delete "${DIR}\DebugLog.Txt"
    Delete "${DIR}\ActiveMailers.dat"
    Delete "${DIR}\MailingList.dat"
    Delete "${DIR}\tmpmfd.tmp"
    Delete "${DIR}\${QUIT_FLAG}"
    Delete "${DIR}\AllowDuplicateInstance.Flg"
    Delete "${DIR}\Running.Flg"
!macroend

; --- A running Tervane 5 ------------------------------------------------------------------

; Each copy owns a hidden window of this class and title for its tools icon.
!macro RunningTervane RESULT
    FindWindow ${RESULT} "TTaskIcon" "Tervane Tools"
!macroend

; Asks a running Tervane 5 to end through the flag file, and waits for it, bounded; a copy
; that does not end is the user's to unload, or the installation stops.
!macro EndRunningTervane UN
Function ${UN}EndRunningTervane
    !insertmacro RunningTervane $0
    ${If} $0 == 0
        Return
    ${EndIf}
    DetailPrint "Asking the running ${PRODUCT} to end..."
    ${Do}
        CreateDirectory "$INSTDIR"
        FileOpen $1 "$INSTDIR\${QUIT_FLAG}" w
        FileClose $1
        StrCpy $2 0
        ${DoWhile} $2 < ${QUIT_WAIT_TICKS}
            Sleep 500
            IntOp $2 $2 + 1
            !insertmacro RunningTervane $0
            ${IfThen} $0 == 0 ${|} ${ExitDo} ${|}
        ${Loop}
        ${If} $0 == 0
            ; The window goes first; the process ends and lets go of its files just after.
            Sleep 1000
            Return
        ${EndIf}
        Delete "$INSTDIR\${QUIT_FLAG}"
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT} is still running, perhaps from another folder. Right-click its icon in the notification area, press Unload, then press Retry." /SD IDCANCEL IDRETRY retry
        SetErrorLevel 3
        Quit
        retry:
    ${Loop}
FunctionEnd
!macroend
!insertmacro EndRunningTervane ""
!insertmacro EndRunningTervane "un."

; --- The PGP tray program -----------------------------------------------------------------

Function .onInit
    !if "${TARGET}" == "amd64-unicode"
        SetRegView 64
    !endif
    SetShellVarContext all
    ReadINIStr $PgpTray "${SETTINGS}" "PGP" "Mainexe"
    StrCpy $PgpChoice "keep"
    ${If} $PgpTray == ""
        !ifdef GPGTRAY
            StrCpy $PgpChoice "gpg"
        !else
            StrCpy $PgpChoice "pgp"
        !endif
    ${EndIf}
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/PGPTRAY=" $1
    ${IfNot} ${Errors}
        StrCpy $PgpChoice "pgp"
        StrCpy $PgpTray $1
        Call CheckPgpTray
    ${EndIf}
    !ifdef GPGTRAY
        ClearErrors
        ${GetOptions} $0 "/GPGTRAY" $1
        ${IfNot} ${Errors}
            StrCpy $PgpChoice "gpg"
        ${EndIf}
    !endif
FunctionEnd

; A PGP tray program that is not there is refused with a message; none at all leaves the
; choice for later.
Function CheckPgpTray
    ${If} $PgpTray == ""
        Return
    ${EndIf}
    ${If} ${FileExists} "$PgpTray"
    ${AndIfNot} ${FileExists} "$PgpTray\*.*"
        Return
    ${EndIf}
    MessageBox MB_OK|MB_ICONSTOP "The PGP tray program $\"$PgpTray$\" does not exist. Choose the file PGPtray.exe of your PGP." /SD IDOK
    ${If} ${Silent}
        SetErrorLevel 2
        Quit
    ${EndIf}
    Abort
FunctionEnd

Function PgpTrayPage
    !insertmacro MUI_HEADER_TEXT "PGP tray program" "${PRODUCT} hands each message to a PGP tray program."
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateLabel} 0 0 100% 24u "Which one should it use? You can change this later by running the installer again."
    Pop $0
    ; The choices come one after the other, so that they make one group.
    StrCpy $GpgRadio 0
    StrCpy $KeepRadio 0
    !ifdef GPGTRAY
        ${NSD_CreateRadioButton} 0 30u 100% 12u "The GnuPG tray program that comes with ${PRODUCT} (install GnuPG first)"
        Pop $GpgRadio
    !endif
    ${NSD_CreateRadioButton} 0 48u 100% 12u "PGP's tray program, PGPtray.exe:"
    Pop $PgpRadio
    ReadINIStr $1 "${SETTINGS}" "PGP" "Mainexe"
    ${If} $1 != ""
        ${NSD_CreateRadioButton} 0 84u 100% 12u "Keep the current one: $1"
        Pop $KeepRadio
    ${EndIf}
    ${NSD_CreateFileRequest} 12u 62u 220u 12u "$PgpTray"
    Pop $PgpPathBox
    ${NSD_CreateBrowseButton} 236u 61u 50u 14u "Browse..."
    Pop $0
    ${NSD_OnClick} $0 BrowseForPgpTray
    ${Select} $PgpChoice
    ${Case} "gpg"
        ${NSD_Check} $GpgRadio
    ${Case} "keep"
        ${NSD_Check} $KeepRadio
    ${CaseElse}
        ${NSD_Check} $PgpRadio
    ${EndSelect}
    nsDialogs::Show
FunctionEnd

Function BrowseForPgpTray
    ${NSD_GetText} $PgpPathBox $0
    nsDialogs::SelectFileDialog open "$0" "Programs (*.exe)|*.exe"
    Pop $0
    ${If} $0 != ""
        ${NSD_SetText} $PgpPathBox $0
        ${NSD_Check} $PgpRadio
        ${NSD_Uncheck} $GpgRadio
        ${NSD_Uncheck} $KeepRadio
    ${EndIf}
FunctionEnd

Function PgpTrayPageLeave
    ${NSD_GetState} $GpgRadio $0
    ${NSD_GetState} $KeepRadio $1
    ${If} $0 == ${BST_CHECKED}
        StrCpy $PgpChoice "gpg"
    ${ElseIf} $1 == ${BST_CHECKED}
        StrCpy $PgpChoice "keep"
    ${Else}
        StrCpy $PgpChoice "pgp"
        ${NSD_GetText} $PgpPathBox $PgpTray
        Call CheckPgpTray
    ${EndIf}
FunctionEnd

; Names the chosen PGP tray program in the settings, also in the current user's copy of them
; that Windows keeps for a 32-bit program that may not write its Windows folder.
Function WritePgpTray
    ${Select} $PgpChoice
    ${Case} "gpg"
        StrCpy $PgpTray "$INSTDIR\TervaneGpg.exe"
    ${Case} "keep"
        Return
    ${EndSelect}
    ${If} $PgpTray == ""
        Return
    ${EndIf}
    WriteINIStr "${SETTINGS}" "PGP" "Mainexe" "$PgpTray"
    SetShellVarContext current
    ${If} ${FileExists} "$LOCALAPPDATA\VirtualStore\Windows\Tervane5.INI"
        WriteINIStr "$LOCALAPPDATA\VirtualStore\Windows\Tervane5.INI" "PGP" "Mainexe" "$PgpTray"
    ${EndIf}
    SetShellVarContext all
FunctionEnd

; --- Install ------------------------------------------------------------------------------

Section "${PRODUCT}" SecProgram
    SectionIn RO
    Call EndRunningTervane
    !insertmacro TervaneFiles InstallFile
    !insertmacro TervaneKeptFiles InstallKeptFile
    Delete "$INSTDIR\${QUIT_FLAG}"

    WriteINIStr "$WINDIR\win.ini" "Mail Form Drivers" "Path" "$INSTDIR\Drivers"
    Call WritePgpTray

    CreateDirectory "$SMPROGRAMS\${PRODUCT}"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\Tervane5.exe"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\${PRODUCT} Help.lnk" "$INSTDIR\Tervane5.chm"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\Demo Mail.lnk" "$INSTDIR\Demo Mail\DemoMail.exe" \
        '/compose "$INSTDIR\Demo Mail\compose.txt"'
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\Uninstall.exe"

    WriteUninstaller "$INSTDIR\Uninstall.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tervane5.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Start ${PRODUCT} when I log on" SecLogon
    CreateShortCut "$SMSTARTUP\${PRODUCT}.lnk" "$INSTDIR\Tervane5.exe"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "${PRODUCT}, its help, the script interpreter ORV.EXE, the Mail Form Drivers folder and Demo Mail to try it with."
    !insertmacro MUI_DESCRIPTION_TEXT ${SecLogon} "Puts ${PRODUCT} into the Startup folder of every user."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; --- Uninstall ----------------------------------------------------------------------------

Function un.onInit
    !if "${TARGET}" == "amd64-unicode"
        SetRegView 64
    !endif
    SetShellVarContext all
FunctionEnd

Section "Uninstall"
    Call un.EndRunningTervane
    !insertmacro TervaneFiles RemoveFile
    !insertmacro TervaneKeptFiles RemoveFile
    !insertmacro RemoveRunTimeFiles "$INSTDIR"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR\Drivers"
    RMDir "$INSTDIR\Demo Mail"
    RMDir "$INSTDIR"

    ; What Windows kept for the current user of a 32-bit program that may not write there.
    SetShellVarContext current
    StrCpy $0 "$INSTDIR" "" 3
    StrCpy $0 "$LOCALAPPDATA\VirtualStore\$0"
    !insertmacro RemoveRunTimeFiles "$0"
    RMDir "$0"
    Delete "$LOCALAPPDATA\VirtualStore\Windows\Tervane5.INI"
    ; The current user's folder of the exchange file.
    Delete "$LOCALAPPDATA\Tervane 5\tmpmfd.tmp"
    RMDir "$LOCALAPPDATA\Tervane 5"
    SetShellVarContext all

    ReadINIStr $0 "$WINDIR\win.ini" "Mail Form Drivers" "Path"
    ${If} $0 == "$INSTDIR\Drivers"
        DeleteINIStr "$WINDIR\win.ini" "Mail Form Drivers" "Path"
    ${EndIf}
    Delete "${SETTINGS}"

    Delete "$SMSTARTUP\${PRODUCT}.lnk"
    RMDir /r "$SMPROGRAMS\${PRODUCT}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
