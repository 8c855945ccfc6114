#!/usr/bin/env bash
# The Debian package as a user gets it: made from the built tree with CPack, checked with
# lintian, desktop-file-validate and appstreamcli, unpacked into a scratch folder, and run from
# there: solvanex-cli computes, and solvanex, with the package laid over /usr in a private mount
# namespace as installing it would, finds its help viewer module through the installed
# registration (diagnostics file) and opens its help file from the menu (under Xvfb).
#
#   package-test.sh BUILD_DIR WORK_DIR VERSION
# Exit status 0 when all holds, 77 when only the namespace run could not be made here (no user
# or mount namespaces), 1 otherwise.
set -euo pipefail
build=$1 work=$2 version=$3

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

rm -rf "$work"
mkdir -p "$work"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; exit 1; }
debs=("$work"/out/solvanex_*.deb)
[[ -f ${debs[0]} && ${#debs[@]} -eq 1 ]] || { echo "no single package in $work/out" >&2; exit 1; }
deb=${debs[0]}
echo "package: $deb"

# Fields.
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] && pass "version $version" ||
  fail "version $(dpkg-deb -f "$deb" Version), not $version"
for field in Maintainer Homepage Depends; do
  [[ -n $(dpkg-deb -f "$deb" "$field") ]] && pass "$field filled in" || fail "no $field"
done
# dpkg-shlibdeps's dependencies: the C++ runtime and Qt's widgets, named by the libraries.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libstdc++6 libqt6widgets6 libmspack0; do
  [[ $depends == *"$library"* ]] && pass "depends on $library" || fail "no $library in: $depends"
done

# lintian: no error.
if lintian --fail-on error --display-level '>=warning' "$deb" >"$work/lintian.log" 2>&1; then
  pass "lintian: no error"
else
  fail "lintian"
fi
cat "$work/lintian.log"

root=$work/root
dpkg-deb -x "$deb" "$root"
desktop=$root/usr/share/applications/solvanex.desktop
metainfo=("$root"/usr/share/metainfo/*.metainfo.xml)
desktop-file-validate "$desktop" && pass "desktop-file-validate" || fail "desktop-file-validate"
appstreamcli validate --no-net "${metainfo[@]}" && pass "appstreamcli validate" ||
  fail "appstreamcli validate"
grep -q '<launchable type="desktop-id">solvanex.desktop</launchable>' "${metainfo[@]}" &&
  pass "metainfo launches solvanex.desktop" || fail "metainfo does not launch solvanex.desktop"

# Icons: each PNG at its size, as file(1) reads it, and the scalable one.
for size in 16 24 32 48 64 128 256; do
  png=$root/usr/share/icons/hicolor/${size}x$size/apps/solvanex.png
  if [[ -f $png ]] && file "$png" | grep -q "PNG image data, $size x $size"; then
    pass "icon $size"
  else
    fail "icon $size: $(file "$png" 2>&1)"
  fi
done
[[ -f $root/usr/share/icons/hicolor/scalable/apps/solvanex.svg ]] && pass "scalable icon" ||
  fail "no scalable icon"

# Manual pages, in English and in French.
for page in man/man1/solvanex.1.gz man/man1/solvanex-cli.1.gz man/fr/man1/solvanex.1.gz \
  man/fr/man1/solvanex-cli.1.gz; do
  [[ -f $root/usr/share/$page ]] && pass "$page" || fail "no $page"
done

# Stripped programs and module.
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
module=/usr/lib/$multiarch/solvanex/hhctrl.so
for binary in /usr/bin/solvanex /usr/bin/solvanex-cli "$module" \
  "/usr/lib/$multiarch/solvanex/hhprint.so"; do
  description=$(file "$root$binary")
  [[ $description == *", stripped"* ]] && pass "stripped $binary" ||
    fail "not stripped: $description"
done

# The registration sits beside the module, not under /usr/share, and names the module at /usr.
registration=$root/usr/lib/$multiarch/solvanex/registry.reg
grep -qxF "@=\"$module\"" "$registration" && pass "registration names $module" ||
  fail "registration: $(cat "$registration" 2>&1)"
[[ -z $(find "$root/usr/share" -name registry.reg) ]] && pass "no registration under /usr/share" ||
  fail "a registration under /usr/share"
[[ -f $root/usr/share/solvanex/Solvanex.chm ]] && pass "help file" || fail "no help file"

# solvanex-cli from the scratch folder: the body-mass index of 70 kg at 1.75 m, against awk's.
expected=$(awk 'BEGIN { printf "%.15g", 70 / (1.75 * 1.75) }')
last=$("$root/usr/bin/solvanex-cli" --separator=. SpeedButton7 SpeedButton0 IMC SpeedButton1 \
  Virgule SpeedButton7 SpeedButton5 Egal | tail -n 1)
[[ $last == *"\"display\": \"$expected\""* ]] && pass "solvanex-cli computes $expected" ||
  fail "solvanex-cli: $last"
[[ $("$root/usr/bin/solvanex-cli" --version) == "solvanex-cli $version" ]] &&
  pass "solvanex-cli --version" || fail "solvanex-cli --version"
[[ $(QT_QPA_PLATFORM=offscreen timeout 20 "$root/usr/bin/solvanex" --version | head -n 1) == \
  "Solvanex $version" ]] && pass "solvanex --version" || fail "solvanex --version"

# The package laid over /usr in a private mount namespace, as installing it would.
namespace=()
if unshare --user --map-root-user --mount true 2>/dev/null; then
  namespace=(unshare --user --map-root-user --mount)
elif [[ $(id -u) -eq 0 ]] && unshare --mount true 2>/dev/null; then
  namespace=(unshare --mount)
fi
if [[ ${#namespace[@]} -eq 0 ]] ||
  ! "${namespace[@]}" sh -c 'mount -t overlay overlay -o "lowerdir=$1/usr:/usr" /usr' sh "$root"; then
  echo "SKIP: no private mount namespace with overlayfs here: the installed run is left out"
  [[ $failures -eq 0 ]] && exit 77
  exit 1
fi

xvfb_pid="" app_pid=""
cleanup() {
  if [[ -n $app_pid ]]; then kill "$app_pid" 2>/dev/null; wait "$app_pid" 2>/dev/null || true; fi
  if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$work/display")"
unset WAYLAND_DISPLAY
mkdir -m 700 "$work/tmp"

# /usr/bin is read-only in the namespace: the diagnostics go to the user's temporary folder.
"${namespace[@]}" env QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR= TMPDIR="$work/tmp" sh -c \
  'mount -t overlay overlay -o "lowerdir=$1/usr:/usr" /usr && exec /usr/bin/solvanex -debug' \
  sh "$root" >"$work/solvanex.log" 2>&1 &
app_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Solvanex 1\.0$' | head -n 1) || true
if [[ -z $window ]]; then
  fail "the installed solvanex shows no window"
  cat "$work/solvanex.log" >&2
  exit 1
fi

debug=$work/tmp/HHDebug.txt
for line in $'_ModuleDir =        \t/usr/bin' $'_hhInstalled =      \tYES' \
  $'_hhVerStr =         \t'"$version.0"; do
  grep -qxF "$line"$'\r' "$debug" && pass "HHDebug.txt: ${line//$'\t'/ }" ||
    fail "HHDebug.txt lacks '$line': $(cat "$debug" 2>&1)"
done

# Aide -> Rubriques de l'aide: the help window shows the help file's title.
xdotool windowfocus --sync "$window"
xdotool key --delay 100 alt+a r
help=$(timeout 20 xdotool search --sync --onlyvisible --name '^Aide de Solvanex$' | head -n 1) ||
  true
[[ -n $help ]] && pass "the help file opens from the menu" ||
  fail "no help window: $(xdotool search --onlyvisible --name . getwindowname %@ 2>&1)"

# Ctrl+Q ends the program normally.
xdotool windowfocus --sync "$window"
xdotool key ctrl+q
status=0
timeout 20 tail --pid="$app_pid" -f /dev/null || true
wait "$app_pid" || status=$?
app_pid=""
[[ $status -eq 0 ]] && pass "solvanex ends with status 0" || fail "solvanex ended with $status"

echo "$failures failure(s)"
[[ $failures -eq 0 ]]
