#!/usr/bin/env bash
# Takes a PNG screenshot of the calculator window. Builds nothing: runs the program already built
# in BUILD_DIR under a private Xvfb display, waits for its window, saves the window's picture,
# then stops both.
#
#   scripts/screenshot.sh [BUILD_DIR] [OUTPUT_PNG]
#     BUILD_DIR   default: build (beside this repository's root); the program is BUILD_DIR/bin/solvanex
#     OUTPUT_PNG  default: docs/screenshot.png
#   QT_SCALE_FACTOR=2 scripts/screenshot.sh build docs/screenshot-200.png   (at 200 %)
# Needs: Xvfb, xdotool, ImageMagick's import.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
output=${2:-$root/docs/screenshot.png}
program=$build/bin/solvanex
[[ -x $program ]] || { echo "no program at $program: build the target solvanex first" >&2; exit 1; }
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done

xvfb_pid="" app_pid=""
cleanup() {
  if [[ -n $app_pid ]]; then kill "$app_pid" 2>/dev/null; wait "$app_pid" 2>/dev/null || true; fi
  if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

display=99
while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -e /tmp/.X11-unix/X$display ]] && break; sleep 0.05; done
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

"$program" >/dev/null 2>&1 &
app_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Solvanex 1\.0$' | head -n 1)
[[ -n $window ]] || { echo "the window did not appear" >&2; exit 1; }
xdotool mousemove --window "$window" 240 50  # the pointer on the window itself, which has a hint of its own
sleep 0.5  # the first paint
mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
echo "$output"
