#!/usr/bin/env bash
# Installs what is missing, builds Solvanex with Debian's build flags into build-package/ and
# makes the Debian package there with CPack (stripped programs, dependencies from
# dpkg-shlibdeps). The package's path is the last line printed. PACKAGE_BUILD_DIR names another
# build folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/common.sh"
solvanex_install_missing "${SOLVANEX_RUN_PACKAGES[@]}" "${SOLVANEX_TEST_PACKAGES[@]}"

build=${PACKAGE_BUILD_DIR:-$root/build-package}
# Debian's hardening and optimisation flags; CMake reads no CPPFLAGS, so they join the others.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
export CFLAGS="$CFLAGS $CPPFLAGS" CXXFLAGS="$CXXFLAGS $CPPFLAGS"
solvanex_build "$build" -DSOLVANEX_SANITIZED_RUN=OFF
rm -f "$build"/solvanex_*.deb
(cd "$build" && cpack -G DEB)
ls "$build"/solvanex_*.deb
