#!/usr/bin/env bash
# The installer as a user and a host developer meet it, in a fresh Wine prefix of the test's own:
# for the current user and then for all users, a silent install; the files and registry keys; the
# control created by its ProgID from the 64-bit script host (and the 32-bit one where 32-bit
# programs run) checking a sentence and adding a word to the user dictionary; an upgrade install
# that keeps the word; a silent uninstall that leaves no program file and no registry key of the
# product, and the user dictionary with the word.
#
# Wine's COM reads only the machine's classes, so the control of a per-user installation is
# created by installed_control_probe, which looks its class up as Windows does; the machine-wide
# installation is also created by the script hosts themselves.
#
# Usage: installer_test.sh <vantor-setup.exe> <installed_control_probe.exe> <scratch folder>
set -uo pipefail
setup=$(realpath "$1")
probe=$(realpath "$2")
work=$(realpath -m "$3")
here=$(cd "$(dirname "$0")" && pwd)
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; "$@" >/dev/null 2>&1 || fail "$what"; }
refute() { local what=$1; shift; if "$@" >/dev/null 2>&1; then fail "$what"; fi; }

rm -rf "$work"
mkdir -p "$work"
cp "$here/installed_control.vbs" "$work/"
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
# With 32-bit Wine installed, plain wine starts Wine's own programs in their 32-bit builds.
wine64=wine
[ -x /usr/lib/wine/wine64 ] && wine64=/usr/lib/wine/wine64
w64() { timeout 120 "$wine64" "$@"; }
settle() { timeout 120 wineserver -w; }

timeout 300 "$wine64" wineboot -i >/dev/null 2>&1
settle
w64 reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null
settle
runs32=no
if [ -f "$WINEPREFIX/drive_c/windows/syswow64/cscript.exe" ] &&
   timeout 60 wine "$WINEPREFIX/drive_c/windows/syswow64/cmd.exe" /c exit >/dev/null 2>&1; then
  runs32=yes
fi
echo "32-bit script host: $runs32"

unix_path() { w64 winepath -u "$1" 2>/dev/null | tr -d '\r'; }
reg_value() {  # key value ("(Default)" for the key's own): the data, or nothing
  local which=(/v "$2")
  [ "$2" = "(Default)" ] && which=(/ve)
  w64 reg query "$1" "${which[@]}" 2>/dev/null | tr -d '\r' |
    awk -v v="$2" '$1 == v { $1 = ""; $2 = ""; sub(/^  */, ""); print }'
}
probe_control() {  # add|keeps
  local output
  output=$(w64 "$probe" "$1" 2>&1)
  grep -q "ALL PASS" <<<"$output" || fail "the control through its registration ($1): $output"
}
script_host() {  # 64|32, argument
  local host=cscript
  [ "$1" = 32 ] && host='C:\windows\syswow64\cscript.exe'
  local output
  if [ "$1" = 32 ]; then
    output=$(cd "$work" && timeout 120 wine "$host" //nologo installed_control.vbs "$2" 2>&1)
  else
    output=$(cd "$work" && w64 "$host" //nologo installed_control.vbs "$2" 2>&1)
  fi
  if ! grep -q "ALL PASS" <<<"$output"; then
    fail "the control from the $1-bit script host ($2): $output"
  fi
}

run_mode() {  # CurrentUser | AllUsers
  local mode=$1 root classes
  if [ "$mode" = CurrentUser ]; then root=HKCU; else root=HKLM; fi
  classes="$root\\Software\\Classes"
  echo "--- $mode"
  w64 "$setup" /S "/$mode"
  settle
  local folder
  folder=$(reg_value "$root\\Software\\Fernhollow\\Vantor" InstallFolder)
  [ -n "$folder" ] || { fail "$mode: the install folder is not recorded"; return; }
  local dir
  dir=$(unix_path "$folder")
  echo "installed in $folder"
  for file in vantor.dll vantor32.dll trovam.tlx trovam2.clx trovam.frq userdic.tlx correct.tlx \
              vantordlg.chm vantor_pad.exe README-VantorPad.txt uninstall.exe; do
    check "$mode: $file installed" test -f "$dir/$file"
  done
  refute "$mode: no other language unless chosen" test -e "$dir/trovge2.clx"
  case $mode in
    CurrentUser) [[ $folder == *'AppData\Local\Programs\Vantor' ]] || fail "per-user folder: $folder" ;;
    AllUsers) [[ $folder == *'Program Files\Vantor' ]] || fail "all-users folder: $folder" ;;
  esac
  local clsid
  clsid=$(reg_value "$classes\\VANTOR.VantorCtrl.3\\CLSID" '(Default)')
  [ -n "$clsid" ] || fail "$mode: the ProgID is registered in $classes"
  check "$mode: the control's class is registered" w64 reg query "$classes\\CLSID\\$clsid\\InprocServer32"
  check "$mode: the uninstaller is listed" w64 reg query "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vantor" /v DisplayVersion
  [ "$(reg_value "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vantor" Publisher)" = Fernhollow ] ||
    fail "$mode: the publisher is listed"

  probe_control add
  if [ "$mode" = AllUsers ]; then
    script_host 64 keeps
    if [ "$runs32" = yes ]; then script_host 32 keeps; fi
  fi
  local dictionary=$dir/userdic.tlx
  if [ "$mode" = AllUsers ]; then
    dictionary=$(unix_path "$(w64 cmd /c echo %APPDATA% | tr -d '\r')\\Vantor")/userdic.tlx
    check "all users: the program folder's user dictionary is left as shipped" \
      bash -c "! grep -q Fernhollowish '$dir/userdic.tlx'"
  fi
  check "$mode: the word is in $dictionary" grep -q Fernhollowish "$dictionary"

  # An upgrade over the installation keeps the user's words; it adds the language chosen.
  w64 "$setup" /S "/$mode" /Languages=ge,pl
  settle
  probe_control keeps
  check "$mode: the chosen German dictionary lies beside the control" test -f "$dir/trovge2.clx"
  check "$mode: the chosen Polish dictionary lies beside the control" test -f "$dir/trovpl2.clx"
  refute "$mode: a language not chosen is not installed" test -e "$dir/trovfr2.clx"

  w64 "$dir/uninstall.exe" /S "/$mode"
  settle
  for file in vantor.dll vantor32.dll trovam.tlx trovam2.clx trovge2.clx trovpl2.clx trovam.frq \
              vantordlg.chm vantor_pad.exe README-VantorPad.txt uninstall.exe; do
    refute "$mode: $file removed" test -e "$dir/$file"
  done
  check "$mode: the user dictionary with its word is kept" grep -q Fernhollowish "$dictionary"
  refute "$mode: the ProgID is unregistered" w64 reg query "$classes\\VANTOR.VantorCtrl.3"
  refute "$mode: the class is unregistered" w64 reg query "$classes\\CLSID\\$clsid"
  refute "$mode: the uninstaller is no longer listed" w64 reg query "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vantor"
  refute "$mode: the product key is gone" w64 reg query "$root\\Software\\Fernhollow"
}

run_mode CurrentUser
run_mode AllUsers
timeout 60 wineserver -k >/dev/null 2>&1

if ((failures == 0)); then
  echo "installer: every check passed"
else
  echo "installer: $failures checks failed"
fi
exit $((failures > 0))
