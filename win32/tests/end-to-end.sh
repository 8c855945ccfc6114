#!/bin/sh
# The program as a user meets it: solvanex.exe under Wine on a private Xvfb display, typed and
# clicked with xdotool. It computes the body-mass index of 70 kg at 1,75 m (the digits and Enter
# typed, the formula button clicked), the result is copied with Ctrl+C and read back from the X
# clipboard with xclip, a division by zero must show its message in red (one screenshot of the
# window, counted for pure red pixels), and Ctrl+Q must end the program.
#   end-to-end.sh SOLVANEX_EXE WINE WINESERVER WORK_DIR
set -u
exe=$1 wine=$2 wineserver=$3 work=$4
mkdir -p "$work" || exit 1
WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
unset WAYLAND_DISPLAY

xvfb_pid="" app_pid=""
finish() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  "$wineserver" -k 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
}
trap finish EXIT
fail() {
  echo "end-to-end: $*" >&2
  exit 1
}

display=120
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
DISPLAY=":$display"
export DISPLAY
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.05; done

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$wine" wineboot --init </dev/null >/dev/null 2>&1 || fail "the Wine prefix could not be made"
  "$wineserver" --wait
  # The classic dialog fonts, from Debian's fonts-wine.
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
fi

"$wine" "$exe" >/dev/null 2>&1 &
app_pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Solvanex 1\.0$' | head -n 1)
[ -n "$window" ] || fail "the window did not appear"
sleep 1

# Where the client area is: the window less its frame, the menu bar above the client area.
eval "$(xdotool getwindowgeometry --shell "$window")"
border=$(((WIDTH - 552) / 2))
client_x=$((X + border))
client_y=$((Y + HEIGHT - border - 224))
click() {  # client x, client y
  xdotool mousemove "$((client_x + $1))" "$((client_y + $2))" click 1
  sleep 0.3
}

xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
sleep 0.3
xdotool type --delay 100 '70'
click 396 86  # IMC, caption P
xdotool type --delay 100 '1.75'
xdotool key --delay 100 Return
sleep 0.5
# The copy reaches the X clipboard through Wine a moment later: asked again until it has.
copied=""
for _ in $(seq 20); do
  xdotool key --delay 100 ctrl+c
  sleep 0.5
  copied=$(xclip -o -selection clipboard 2>/dev/null) && [ -n "$copied" ] && break
done
case $copied in
  22,8571428571429 | 22.8571428571429) ;;
  *) fail "the display reads '$copied' instead of 22,8571428571429" ;;
esac

# A division by zero: "Erreur : ..." in red in the display.
xdotool type --delay 100 '5/0'
xdotool key --delay 100 Return
sleep 1.5
# Only the display line counts: the red keys' captions are that red too. The picture is the
# window's, frame included when there is one.
xwd -silent -id "$window" | xwdtopnm 2>/dev/null | pnmdepth 255 >"$work/window.ppm"
set -- $(pnmfile "$work/window.ppm" | sed 's/.*, \([0-9]*\) by \([0-9]*\).*/\1 \2/')
frame=$((($1 - 552) / 2))
red=$(pnmcut -left "$((frame + 8))" -top "$(($2 - frame - 224 + 3))" -width 537 -height 24 \
  "$work/window.ppm" | pnmtoplainpnm |
  awk 'NR > 3 { for (i = 1; i <= NF; i++) { v[n++ % 3] = $i; if (n % 3 == 0 && v[0] == 255 && v[1] == 0 && v[2] == 0) red++ } } END { print red + 0 }')
[ "$red" -ge 20 ] || fail "no red error text in the window ($red red pixels)"

xdotool key --delay 100 ctrl+q
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "Ctrl+Q did not end the program"
wait "$app_pid"
status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "end-to-end: computed $copied, showed the error in red ($red pixels), quit"
