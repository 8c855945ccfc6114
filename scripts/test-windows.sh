#!/usr/bin/env bash
# Builds everything below the window for Windows with mingw-w64, for x86_64 and i686, into
# build-windows/, runs the tests of both under Wine through CTest (the i686 ones under Debian's
# 32-bit Wine, which comes from the i386 architecture: added to the package set-up when missing),
# and ends with CTest's summary. Fails when either fails.
#
# The Windows runner is compared with the Linux solvanex-cli named by REFERENCE_CLI
# (scripts/test.sh passes the one it has just built); without it, a Linux runner is built here.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/common.sh"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  if [ "$(id -u)" -ne 0 ]; then sudo dpkg --add-architecture i386; else dpkg --add-architecture i386; fi
fi
solvanex_install_missing "${SOLVANEX_RUN_PACKAGES[@]}" "${SOLVANEX_TEST_PACKAGES[@]}" wine32:i386

out=${WINDOWS_BUILD_DIR:-$root/build-windows}
reference=${REFERENCE_CLI:-}
if [ -z "$reference" ]; then
  cmake -S "$root" -B "$out/linux-cli" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSOLVANEX_CORE_ONLY=ON
  cmake --build "$out/linux-cli" -j"$(nproc)" --target solvanex-cli
  reference=$out/linux-cli/bin/solvanex-cli
fi

for arch in x86_64 i686; do
  cmake -S "$root" -B "$out/$arch" --toolchain "$root/cmake/toolchains/mingw-w64-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSOLVANEX_WINDOW=OFF \
    -DSOLVANEX_GTEST_SOURCE_DIR=/usr/src/googletest -DSOLVANEX_WINE_TESTS=ON \
    -DSOLVANEX_REFERENCE_CLI="$reference"
  cmake --build "$out/$arch" -j"$(nproc)"
done

status=0
(cd "$out/i686" && ctest --output-on-failure -j"$(nproc)" --timeout 600) || status=$?
cd "$out/x86_64"
ctest --output-on-failure -j"$(nproc)" --timeout 600 || status=$?
exit "$status"
