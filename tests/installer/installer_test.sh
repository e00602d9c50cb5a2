#!/usr/bin/env bash
# The installer as a user meets it, in a fresh Wine prefix of its own: a silent install puts
# the files, the WIN.INI and settings entries, the shortcuts and the uninstall entry in place;
# the installed Tervane5.exe starts with its two tray icons; a second install over the running
# copy ends it through "Installer.Flg"; a silent uninstall leaves no program files behind.
#   installer_test.sh WINE_RUN SETUP.exe WaitForTrayIcons.exe PGPTray.Exe STATE_DIR
set -uo pipefail
run=$1 setup=$2 wait_for_icons=$3 pgp_tray=$4 state=$5

export TERVANE_WINE_STATE=$state
unset DISPLAY  # the runner starts an Xvfb of this prefix's own
rm -rf "$state"
mkdir -p "$state"
stop_wine() {
    "$run" --stop
    rm -rf "$state"
}
trap stop_wine EXIT

drive_c=$state/prefix/drive_c
folder="$drive_c/Program Files/Tervane 5"
start_menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tervane5'
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
# ini FILE SECTION KEY: the value, as the profile functions read it.
ini() {
    tr -d '\r' <"$1" 2>/dev/null |
        awk -F= -v s="[$2]" -v k="$3" '/^\[/ {in_s = ($0 == s)} in_s && $1 == k {print substr($0, length(k) + 2)}'
}
# wait_until SECONDS COMMAND...: polls every half second; the command's last answer.
wait_until() {
    local ticks=$(($1 * 2))
    shift
    until "$@"; do
        ticks=$((ticks - 1))
        [ "$ticks" -gt 0 ] || { "$@"; return; }
        sleep 0.5
    done
}
gone() { [ ! -e "$1" ]; }
not_running() { ! kill -0 "$1" 2>/dev/null; }
to_wine() { echo "Z:${1//\//\\}"; }

SECONDS=0
"$run" cmd.exe /c exit 0  # the fresh prefix, made before anything is timed
echo "prefix made in ${SECONDS} s"

# --- Install ---------------------------------------------------------------------------
"$run" "$setup" /S '/PGPTRAY=C:\nowhere\PGPtray.exe'
status=$?
[ "$status" -eq 2 ] || fail "a PGP tray program that is not there ended the install with $status"
gone "$folder" || fail "a refused install left files"
SECONDS=0
"$run" "$setup" /S "/PGPTRAY=$(to_wine "$pgp_tray")" || fail "the silent install ended with $?"
echo "installed in ${SECONDS} s"
for file in Tervane5.exe ORV.EXE Tervane5.chm tips.dat Uninstall.exe Drivers/SELECTG.DAT \
    Drivers/DemoMfd.EXE Drivers/DemoMail.mfs "Demo Mail/DemoMail.exe" "Demo Mail/compose.txt"; do
    [ -f "$folder/$file" ] || fail "$file is not installed"
done
for program in Tervane5.exe ORV.EXE Drivers/DemoMfd.EXE; do
    x86_64-w64-mingw32-nm "$folder/$program" 2>&1 | grep -q 'no symbols' ||
        fail "$program is not stripped"
done
drivers=$(ini "$drive_c/windows/win.ini" "Mail Form Drivers" Path)
[ "$drivers" = 'C:\Program Files\Tervane 5\Drivers' ] || fail "WIN.INI drivers path is '$drivers'"
mainexe=$(ini "$drive_c/windows/Tervane5.INI" PGP Mainexe)
[ "$mainexe" = "$(to_wine "$pgp_tray")" ] || fail "Mainexe is '$mainexe'"
"$run" reg.exe query "$uninstall_key" /v UninstallString 2>/dev/null | tr -d '\r' |
    grep -qF '"C:\Program Files\Tervane 5\Uninstall.exe"' || fail "no uninstall entry"
for link in "Tervane 5/Tervane 5.lnk" "Tervane 5/Tervane 5 Help.lnk" "Tervane 5/Demo Mail.lnk" \
    "Tervane 5/Uninstall Tervane 5.lnk" "StartUp/Tervane 5.lnk"; do
    [ -f "$start_menu/$link" ] || fail "no shortcut $link"
done

# --- The installed program --------------------------------------------------------------
"$run" 'C:\Program Files\Tervane 5\Tervane5.exe' /s &
tervane=$!
icons=$("$run" "$wait_for_icons" 30000 | tr -d '\r' | sort | paste -sd '|')
[ "$icons" = "Tervane 5|Tervane Tools" ] || fail "tray icons seen: '$icons'"

# --- Again, over the running copy -------------------------------------------------------
SECONDS=0
"$run" "$setup" /S || fail "the install over the running copy ended with $?"
echo "installed over the running copy in ${SECONDS} s"
wait_until 5 not_running "$tervane" || fail "the running copy did not end"
gone "$folder/Installer.Flg" || fail "Installer.Flg was left behind"
[ -f "$folder/Tervane5.exe" ] || fail "Tervane5.exe is gone after installing again"
[ "$(ini "$drive_c/windows/Tervane5.INI" PGP Mainexe)" = "$mainexe" ] ||
    fail "installing again without a choice changed Mainexe"

# --- Uninstall --------------------------------------------------------------------------
# The uninstaller runs from a copy of itself and returns at once: its work is awaited.
"$run" 'C:\Program Files\Tervane 5\Uninstall.exe' /S || fail "the uninstaller ended with $?"
wait_until 30 gone "$folder" || fail "left behind: $(find "$folder" | tail -n +2 | tr '\n' ' ')"
gone "$start_menu/Tervane 5" || fail "the Start-menu entries are left"
gone "$start_menu/StartUp/Tervane 5.lnk" || fail "the logon shortcut is left"
[ -z "$(ini "$drive_c/windows/win.ini" "Mail Form Drivers" Path)" ] || fail "WIN.INI keeps Path"
gone "$drive_c/windows/Tervane5.INI" || fail "Tervane5.INI is left"
"$run" reg.exe query "$uninstall_key" >/dev/null 2>&1 && fail "the uninstall entry is left"

[ "$failures" -eq 0 ] && echo "installed, ran, installed again over the running copy, uninstalled"
exit "$((failures > 0))"
