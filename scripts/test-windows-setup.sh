#!/usr/bin/env bash
# Tests a Windows setup program of package-windows.sh end to end under Wine, in a fresh Wine
# prefix of its own: a silent install as administrator, the files, the Start-menu shortcut, the
# Apps & features entry and the help file's registration; the installed program's window, a
# computation and its help (under Xvfb); then a silent uninstall, after which nothing of it may
# be left (files, folder, shortcut, registry keys and values); then the same for an install for
# one user.
#   test-windows-setup.sh [SETUP.exe]   (default: build-package/Solvanex-<version>-x64-setup.exe)
# SETUP_TEST_DIR names the folder of the Wine prefix (default: build-package/setup-test).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/common.sh"
solvanex_install_missing "${SOLVANEX_RUN_PACKAGES[@]}" "${SOLVANEX_TEST_PACKAGES[@]}"

version=$(sed -n 's/^project(Solvanex VERSION \([0-9]*\.[0-9]*\.[0-9]*\).*/\1/p' \
  "$root/CMakeLists.txt")
setup=$(realpath "${1:-$root/build-package/Solvanex-$version-x64-setup.exe}")
# The registry view and the folder that the setup's architecture installs into, in a 64-bit
# prefix; the Wine that runs the setup and its uninstaller, programs of that architecture. The
# system's own tools run under wine64 (Debian's is not on PATH everywhere).
wine64=$(command -v wine64 || echo /usr/lib/wine/wine64)
case $setup in
  *-x64-setup.exe) view=64 programs='Program Files' wine=$wine64 ;;
  *-x86-setup.exe)
    view=32 programs='Program Files (x86)' wine=wine
    # Debian's 32-bit Wine comes from the i386 architecture (added when missing).
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
      if [ "$(id -u)" -ne 0 ]; then sudo dpkg --add-architecture i386; else dpkg --add-architecture i386; fi
    fi
    solvanex_install_missing wine32:i386
    ;;
  *) echo "test-windows-setup.sh: not a setup of package-windows.sh: $setup" >&2; exit 1 ;;
esac

export WINEPREFIX=${SETUP_TEST_DIR:-$root/build-package/setup-test}/prefix
export WINEDEBUG=-all
# No Mono or Gecko: a prefix without them would stop the program's first start at Wine's dialog
# offering to download them (the help control loads the HTML engine); the window and the help
# window's title need neither.
export WINEDLLOVERRIDES='mscoree,mshtml='
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
"$wine64" wineboot --init >/dev/null 2>&1
wineserver --wait

failures=0
check() {  # check DESCRIPTION COMMAND...
  local description=$1
  shift
  if "$@"; then
    echo "ok      $description"
  else
    echo "FAILED  $description"
    failures=$((failures + 1))
  fi
}
reg_value() {  # reg_value KEY VALUE VIEW: the value's data, or nothing
  "$wine64" reg query "$1" /v "$2" /reg:"$3" 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
reg_key_exists() {
  "$wine64" reg query "$1" /reg:"$2" >/dev/null 2>&1
}
drive_c=$WINEPREFIX/drive_c
install_dir=$drive_c/$programs/Solvanex
windows_dir="C:\\$programs\\Solvanex"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Solvanex'
help_key='HKLM\SOFTWARE\Microsoft\Windows\HTML Help'
shortcut=$drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Solvanex.lnk
files_before=$(cd "$drive_c" && find . | sort)
help_key_before=$(reg_key_exists "$help_key" "$view" && echo yes || echo no)

"$wine" "$setup" /S
wineserver --wait

for file in solvanex.exe Solvanex.chm LICENSE.txt uninstall.exe; do
  check "installed $file" test -f "$install_dir/$file"
done
check "nothing else in the folder" \
  test "$(cd "$install_dir" && ls | sort | tr '\n' ' ')" = \
  "LICENSE.txt Solvanex.chm solvanex.exe uninstall.exe "
check "Start-menu shortcut" test -f "$shortcut"
# A shortcut holds its target in the system's code page (in its link information), its working
# folder as a UTF-16 string.
check "shortcut's target is the program" \
  grep -qxF "$windows_dir\\solvanex.exe" <(strings "$shortcut")
check "shortcut's working folder is the program's" \
  grep -qxF "$windows_dir" <(strings -e l "$shortcut")
check "entry's name" test "$(reg_value "$uninstall_key" DisplayName "$view")" = Solvanex
check "entry's version" test "$(reg_value "$uninstall_key" DisplayVersion "$view")" = "$version"
check "entry's publisher" test -n "$(reg_value "$uninstall_key" Publisher "$view")"
check "entry's icon" test "$(reg_value "$uninstall_key" DisplayIcon "$view")" = \
  "$windows_dir\\solvanex.exe,0"
check "entry's size" test "$(($(reg_value "$uninstall_key" EstimatedSize "$view")))" -gt 0
check "entry's uninstall command" test "$(reg_value "$uninstall_key" UninstallString "$view")" = \
  "\"$windows_dir\\uninstall.exe\""
check "entry's quiet uninstall command" \
  test "$(reg_value "$uninstall_key" QuietUninstallString "$view")" = \
  "\"$windows_dir\\uninstall.exe\" /S"
check "help file registered for Windows' viewer" \
  test "$(reg_value "$help_key" Solvanex.chm "$view")" = "$windows_dir"
other_view=$((view == 64 ? 32 : 64))
check "help file not registered in the $other_view-bit view" \
  test -z "$(reg_value "$help_key" Solvanex.chm "$other_view")"

# The installed window program, started as its shortcut starts it (its folder as the working
# folder) with French regional settings, shows its window "Solvanex 1.0" on a virtual display
# and computes the body-mass index example, read back through the clipboard; started from
# another folder,
# its help command (Aide, Rubriques de l'aide: Alt+A, R) opens the help file in Wine's viewer,
# whose window bears the file's title "Aide de Solvanex".
if file "$install_dir/solvanex.exe" | grep -q '(GUI)'; then
  # Wine's desktop process, started by the checks above without a display, would keep the
  # program's window off the X display: the program starts in a Wine of its own.
  wineserver --kill || true
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WINEPREFIX/display" 2>/dev/null &
  xvfb=$!
  # The display goes with the script, however it ends.
  trap 'kill "$xvfb" 2>/dev/null || true' EXIT
  for _ in $(seq 50); do [ -s "$WINEPREFIX/display" ] && break; sleep 0.2; done
  display=:$(cat "$WINEPREFIX/display")
  window_named() {  # window_named TITLE: its window, waited for up to two minutes
    for _ in $(seq 120); do
      DISPLAY=$display xdotool search --name "$1" 2>/dev/null | head -n 1 | grep . && return 0
      sleep 1
    done
    return 1
  }
  window_present() { window_named "$1" >/dev/null; }
  start_program() {  # start_program WORKING_FOLDER, with French regional settings
    (cd "$1" && DISPLAY=$display LC_ALL=fr_FR.UTF-8 LANG=fr_FR.UTF-8 \
      "$wine" "$windows_dir\\solvanex.exe" >/dev/null 2>&1 &)
  }
  start_program "$install_dir"
  window=$(window_named '^Solvanex 1\.0$' || true)
  check "program's window shown" test -n "$window"
  if [ -n "$window" ]; then
    # The body-mass index of 70 kg at 1,75 m: 70, a click on IMC, 1,75, Enter; then Ctrl+C. IMC
    # stands at (377, 72), 38 by 28, in the client area (form/Buttons.cpp), which lies below
    # the menu bar in the window that Wine gives the X server: its height less the client's
    # 224 (form/Window.h) is the menu bar's.
    height=$(DISPLAY=$display xwininfo -id "$window" | sed -n 's/^ *Height: *//p')
    DISPLAY=$display xdotool type --window "$window" --delay 100 70 2>/dev/null
    DISPLAY=$display xdotool mousemove --window "$window" $((377 + 19)) \
      $((height - 224 + 72 + 14)) click 1 2>/dev/null
    sleep 0.5
    DISPLAY=$display xdotool type --window "$window" --delay 100 1,75 2>/dev/null
    DISPLAY=$display xdotool key --window "$window" Return 2>/dev/null
    sleep 0.5
    DISPLAY=$display xdotool key --window "$window" ctrl+c 2>/dev/null
    sleep 1
    result=$(DISPLAY=$display timeout 10 xclip -selection clipboard -o 2>/dev/null || true)
  fi
  check "body-mass index example copied as 22,8571428571429 (${result:-nothing})" \
    test "${result:-}" = 22,8571428571429
  wineserver --kill || true  # nothing to end when the program did not start
  start_program "$drive_c"
  window=$(window_named '^Solvanex 1\.0$' || true)
  if [ -n "$window" ]; then
    # (xdotool's complaint about the focus of a display without a window manager is noise.)
    DISPLAY=$display xdotool key --window "$window" alt+a 2>/dev/null
    sleep 1
    DISPLAY=$display xdotool key --window "$window" r 2>/dev/null
  fi
  check "help opened from another working folder" window_present '^Aide de Solvanex$'
  wineserver --kill || true
  kill "$xvfb"
else
  echo "skip    the installed solvanex.exe is no window program: its start is not checked"
fi

"$wine" "$install_dir/uninstall.exe" /S
# The uninstaller runs on from a copy of itself in the temporary folder.
wineserver --wait

check "folder removed" test ! -e "$install_dir"
check "shortcut removed" test ! -e "$shortcut"
check "entry removed" bash -c "! \"$wine64\" reg query '$uninstall_key' /reg:$view >/dev/null 2>&1"
check "help file's registration removed" test -z "$(reg_value "$help_key" Solvanex.chm "$view")"
help_key_after=$(reg_key_exists "$help_key" "$view" && echo yes || echo no)
check "HTML Help key as it was" test "$help_key_after" = "$help_key_before"
# Wine's own files change as it runs (its registry, caches); the rest must be as before.
files_after=$(cd "$drive_c" && find . | sort)
leftovers=$(comm -13 <(echo "$files_before") <(echo "$files_after") |
  grep -v -e '^./users/[^/]*/Temp' -e '^./windows/' || true)
check "no file left${leftovers:+: $leftovers}" test -z "$leftovers"

# For one user (/CurrentUser, as anyone who is no administrator installs): into his own programs
# folder, his own entry and shortcut, nothing of the machine's; then removed as completely.
user_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Solvanex'
local_app_data=$("$wine64" cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')
app_data=$("$wine64" cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')
user_windows_dir="$local_app_data\Programs\Solvanex"
user_install_dir=$("$wine64" winepath -u "$user_windows_dir" 2>/dev/null)
user_shortcut=$("$wine64" winepath -u \
  "$app_data\Microsoft\Windows\Start Menu\Programs\Solvanex.lnk" 2>/dev/null)
files_before=$(cd "$drive_c" && find . | sort)
"$wine" "$setup" /S /CurrentUser
wineserver --wait
check "one user's install: program in his programs folder" test -f "$user_install_dir/solvanex.exe"
check "one user's install: help file beside it" test -f "$user_install_dir/Solvanex.chm"
check "one user's install: nothing in Program Files" test ! -e "$install_dir"
check "one user's install: his Start-menu shortcut" test -f "$user_shortcut"
check "one user's install: no shortcut for every user" test ! -e "$shortcut"
check "one user's install: his entry" \
  test "$(reg_value "$user_key" InstallLocation "$view")" = "$user_windows_dir"
check "one user's install: his entry's quiet uninstall command" \
  test "$(reg_value "$user_key" QuietUninstallString "$view")" = \
  "\"$user_windows_dir\\uninstall.exe\" /S"
check "one user's install: no entry of the machine's" \
  bash -c "! \"$wine64\" reg query '$uninstall_key' /reg:$view >/dev/null 2>&1"
check "one user's install: no help registration of the machine's" \
  test -z "$(reg_value "$help_key" Solvanex.chm "$view")"
"$wine" "$user_install_dir/uninstall.exe" /S
wineserver --wait
check "one user's uninstall: folder removed" test ! -e "$user_install_dir"
check "one user's uninstall: shortcut removed" test ! -e "$user_shortcut"
check "one user's uninstall: entry removed" \
  bash -c "! \"$wine64\" reg query '$user_key' /reg:$view >/dev/null 2>&1"
files_after=$(cd "$drive_c" && find . | sort)
leftovers=$(comm -13 <(echo "$files_before") <(echo "$files_after") |
  grep -v -e '^./users/[^/]*/Temp' -e '^./users/[^/]*/AppData/Local/Temp' -e '^./windows/' || true)
check "one user's uninstall: no file left${leftovers:+: $leftovers}" test -z "$leftovers"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all checks passed"
