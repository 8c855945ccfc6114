#!/usr/bin/env bash
# The window sits centred on the screen frame included, under a real window manager that frames
# it only once it is mapped (Openbox, on a private Xvfb display). The frame's extents are read
# from the window manager's own _NET_FRAME_EXTENTS.
#
#   centring-test.sh PROGRAM
set -euo pipefail

program=$1
for tool in Xvfb openbox xdotool xwininfo xprop; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done

xvfb_pid="" wm_pid="" app_pid="" home=""
cleanup() {
  for pid in $app_pid $wm_pid $xvfb_pid; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  [[ -n $home ]] && rm -rf "$home"
}
trap cleanup EXIT

display=120
while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 200); do [[ -e /tmp/.X11-unix/X$display ]] && break; sleep 0.05; done
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
# Openbox with its default settings, not the ones of whoever runs the test.
home=$(mktemp -d)
HOME=$home XDG_CONFIG_HOME=$home openbox >/dev/null 2>&1 &
wm_pid=$!
for _ in $(seq 200); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.05; done
# The window manager announces itself before it has finished starting: a window mapped in between
# may go unframed or unmapped.
sleep 1.5

"$program" >"${SOLVANEX_CENTRING_LOG:-/dev/null}" 2>&1 &
app_pid=$!
# The program's window among those of that name (Qt's leader window is never mapped).
window=""
for _ in $(seq 300); do
  for candidate in $(xdotool search --name '^Solvanex 1\.0$' 2>/dev/null || true); do
    if xwininfo -id "$candidate" 2>/dev/null | grep -q 'Map State: IsViewable'; then
      window=$candidate
    fi
  done
  [[ -n $window ]] && break
  sleep 0.1
done
if [[ -z $window ]]; then
  echo "the window did not appear" >&2
  for candidate in $(xdotool search --name 'Solvanex' 2>/dev/null || true); do
    xwininfo -id "$candidate" | grep -E 'xwininfo|Map State' >&2
  done
  xprop -root _NET_SUPPORTING_WM_CHECK >&2 || true
  exit 1
fi

# The window settles: it is read until two readings half a second apart agree.
previous="" reading=""
for _ in $(seq 20); do
  sleep 0.5
  info=$(xwininfo -id "$window")
  x=$(sed -n 's/ *Absolute upper-left X: *//p' <<<"$info")
  y=$(sed -n 's/ *Absolute upper-left Y: *//p' <<<"$info")
  w=$(sed -n 's/ *Width: *//p' <<<"$info")
  h=$(sed -n 's/ *Height: *//p' <<<"$info")
  extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ' ')
  reading="$x $y $w $h $extents"
  [[ -n $extents && $reading == "$previous" ]] && break
  previous=$reading
done
IFS=, read -r left right top bottom <<<"$extents"
[[ -n ${bottom:-} ]] || { echo "no frame extents from the window manager" >&2; exit 1; }
(( top > 0 )) || { echo "the window manager gave no title bar: nothing tested" >&2; exit 1; }

frame_x=$((x - left)) frame_y=$((y - top))
frame_w=$((w + left + right)) frame_h=$((h + top + bottom))
screen=$(xwininfo -root)
screen_w=$(sed -n 's/ *Width: *//p' <<<"$screen")
screen_h=$(sed -n 's/ *Height: *//p' <<<"$screen")
# Twice the offset of the frame's centre from the screen's, so that halves stay whole.
dx=$((2 * frame_x + frame_w - screen_w)) dy=$((2 * frame_y + frame_h - screen_h))
echo "frame ${frame_w}x${frame_h} at $frame_x,$frame_y on ${screen_w}x${screen_h}"
if (( dx < -2 || dx > 2 || dy < -2 || dy > 2 )); then
  echo "not centred: the frame's centre is ($((dx / 2)), $((dy / 2))) pixels off" >&2
  exit 1
fi
