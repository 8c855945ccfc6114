#!/usr/bin/env bash
# Builds everything below the window for Windows with mingw-w64, for x86_64 and i686, into
# build-windows/, runs the x86_64 tests under Wine through CTest, and ends with CTest's summary.
# The i686 tree is built, not run: Debian's 32-bit Wine would need the i386 architecture.
#
# The Windows runner is compared with the Linux solvanex-cli named by REFERENCE_CLI
# (scripts/test.sh passes the one it has just built); without it, a Linux runner is built here.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/common.sh"
solvanex_install_missing

out=${WINDOWS_BUILD_DIR:-$root/build-windows}
reference=${REFERENCE_CLI:-}
if [ -z "$reference" ]; then
  cmake -S "$root" -B "$out/linux-cli" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSOLVANEX_CORE_ONLY=ON
  cmake --build "$out/linux-cli" -j"$(nproc)" --target solvanex-cli
  reference=$out/linux-cli/bin/solvanex-cli
fi

for arch in x86_64 i686; do
  wine_tests=ON
  [ "$arch" = i686 ] && wine_tests=OFF
  cmake -S "$root" -B "$out/$arch" --toolchain "$root/cmake/toolchains/mingw-w64-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSOLVANEX_WINDOW=OFF \
    -DSOLVANEX_GTEST_SOURCE_DIR=/usr/src/googletest -DSOLVANEX_WINE_TESTS=$wine_tests \
    -DSOLVANEX_REFERENCE_CLI="$reference"
  cmake --build "$out/$arch" -j"$(nproc)"
done

cd "$out/x86_64"
exec ctest --output-on-failure -j"$(nproc)" --timeout 600
