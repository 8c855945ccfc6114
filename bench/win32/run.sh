#!/usr/bin/env bash
# The Win32 start-up benchmark under Wine: builds solvanex.exe, the bare comparison window (also
# in its variant that first runs the help access's start-up) and the runner in the x86_64 tree
# (build-windows/x86_64, or WINDOWS_BUILD_DIR/x86_64), reports the size of solvanex.exe, then
# times the stripped programs from process start to first painting and reads their working sets,
# alternately, on a private Xvfb display under one warm Wine (medians of RUNS, default 21, after
# two warm-up rounds). Ratios are to the bare window.
#   bench/win32/run.sh [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
runs=${1:-21}
out=${WINDOWS_BUILD_DIR:-$root/build-windows}/x86_64
cmake -S "$root" -B "$out" --toolchain "$root/cmake/toolchains/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSOLVANEX_WINDOW=OFF \
  -DSOLVANEX_GTEST_SOURCE_DIR=/usr/src/googletest >/dev/null
cmake --build "$out" -j"$(nproc)" --target solvanex solvanex_bare_window \
  solvanex_bare_window_help solvanex_win32_startup_bench >/dev/null

stripped=$(mktemp -d)
xvfb_pid=""
cleanup() {
  WINEPREFIX=$out/bench-prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$stripped"
}
trap cleanup EXIT
# Both programs run stripped, as the program is shipped: under Wine an image whose sections are
# not page-aligned is read into memory whole, debugging sections included.
x86_64-w64-mingw32-strip -o "$stripped/solvanex.exe" "$out/bin/solvanex.exe"
for bare in solvanex_bare_window solvanex_bare_window_help; do
  x86_64-w64-mingw32-strip -o "$stripped/$bare.exe" "$out/bench/win32/$bare.exe"
done
echo "solvanex.exe: $(stat -c %s "$out/bin/solvanex.exe") bytes, stripped $(stat -c %s "$stripped/solvanex.exe") bytes"

display=140
while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -e /tmp/.X11-unix/X$display ]] && break; sleep 0.05; done
export DISPLAY=":$display" WINEPREFIX=$out/bench-prefix WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
wine=/usr/lib/wine/wine64
if [[ ! -f $WINEPREFIX/system.reg ]]; then
  "$wine" wineboot --init </dev/null >/dev/null 2>&1
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
fi
# One Wine server for all runs, kept warm.
/usr/lib/wine/wineserver --persistent </dev/null >/dev/null 2>&1 || true
"$wine" "$out/bench/win32/solvanex_win32_startup_bench.exe" "$runs" \
  "$stripped/solvanex_bare_window.exe" "$stripped/solvanex_bare_window_help.exe" \
  "$stripped/solvanex.exe"
