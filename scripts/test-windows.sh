#!/usr/bin/env bash
# Builds everything for Windows with mingw-w64, for x86_64 and i686, into build-windows/, runs the
# tests of both under Wine through CTest (the i686 ones under Debian's 32-bit Wine, which comes
# from the i386 architecture: added to the package set-up when missing; on a kernel that runs no
# 32-bit program only the i686 programs are built, not its tests, and the script says so), then
# makes the 64-bit setup program and tests it end to end in a fresh prefix. Fails when any fails.
#
# The Windows runner is compared with the Linux solvanex-cli named by REFERENCE_CLI
# (scripts/test.sh passes the one it has just built); without it, a Linux runner is built here.
# HELP_FILE, when given, is the Solvanex.chm that the Windows trees open in the system's viewer
# and the setup program ships (scripts/test.sh passes its Linux build's); without it, a Release
# Linux tree compiles one here.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/common.sh"
solvanex_install_missing "${SOLVANEX_RUN_PACKAGES[@]}" "${SOLVANEX_TEST_PACKAGES[@]}"
run_i686=0
if solvanex_runs_32bit_programs; then
  run_i686=1
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    if [ "$(id -u)" -ne 0 ]; then sudo dpkg --add-architecture i386; else dpkg --add-architecture i386; fi
  fi
  solvanex_install_missing wine32:i386
fi

out=${WINDOWS_BUILD_DIR:-$root/build-windows}
reference=${REFERENCE_CLI:-}
if [ -z "$reference" ]; then
  cmake -S "$root" -B "$out/linux-cli" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSOLVANEX_CORE_ONLY=ON
  cmake --build "$out/linux-cli" -j"$(nproc)" --target solvanex-cli
  reference=$out/linux-cli/bin/solvanex-cli
fi

# The help file, which only a Linux build compiles: tested in the system's viewer by the Windows
# trees, and packaged.
help_file=${HELP_FILE:-}
if [ -z "$help_file" ]; then
  cmake -S "$root" -B "$out/package/help" -DCMAKE_BUILD_TYPE=Release -DSOLVANEX_TESTS=OFF \
    -DSOLVANEX_SANITIZED_RUN=OFF
  cmake --build "$out/package/help" -j"$(nproc)" --target solvanex_help_file
  help_file=$out/package/help/bin/Solvanex.chm
fi

for arch in x86_64 i686; do
  cmake -S "$root" -B "$out/$arch" --toolchain "$root/cmake/toolchains/mingw-w64-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSOLVANEX_WINDOW=OFF \
    -DSOLVANEX_GTEST_SOURCE_DIR=/usr/src/googletest -DSOLVANEX_WINE_TESTS=ON \
    -DSOLVANEX_REFERENCE_CLI="$reference" -DSOLVANEX_TEST_HELP_FILE="$help_file"
  if [ "$arch" = i686 ] && [ "$run_i686" -eq 0 ]; then
    # Tests that cannot run here are not built: the 64-bit tree compiles the same test code.
    cmake --build "$out/$arch" -j"$(nproc)" --target solvanex solvanex-cli
  else
    cmake --build "$out/$arch" -j"$(nproc)"
  fi
done

status=0
if [ "$run_i686" -eq 1 ]; then
  (cd "$out/i686" && ctest --output-on-failure -j"$(nproc)" --timeout 600) || status=$?
else
  echo "test-windows.sh: this machine's kernel runs no 32-bit x86 program (Exec format error):" \
    "only the i686 programs are built, not its tests, which need 32-bit Wine"
fi

# The 64-bit setup program of the window just tested, installed, used and removed under Wine.
version=$(sed -n 's/^project(Solvanex VERSION \([0-9]*\.[0-9]*\.[0-9]*\).*/\1/p' \
  "$root/CMakeLists.txt")
if ! PACKAGE_BUILD_DIR="$out/package" WINDOWS_ARCHES=x86_64 HELP_FILE="$help_file" \
  WINDOWS_PROGRAM_x86_64="$out/x86_64/bin/solvanex.exe" "$root/scripts/package-windows.sh" ||
  ! SETUP_TEST_DIR="$out/package/setup-test" "$root/scripts/test-windows-setup.sh" \
    "$out/package/Solvanex-$version-x64-setup.exe"; then
  echo "test-windows.sh: the setup program failed its test" >&2
  status=1
fi

cd "$out/x86_64"
ctest --output-on-failure -j"$(nproc)" --timeout 600 || status=$?
exit "$status"
