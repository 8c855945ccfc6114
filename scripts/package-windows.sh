#!/usr/bin/env bash
# Installs what is missing, builds Solvanex for Windows with mingw-w64 (x86_64 and i686) and the
# help file with the Linux build's help compiler, and makes in build-package/ for each
# architecture a setup program with NSIS (packaging/windows/Solvanex.nsi) and a portable .zip
# archive. Their paths are the last lines printed.
#
#   PACKAGE_BUILD_DIR   another folder than build-package/
#   HELP_FILE           a Solvanex.chm already compiled by a Linux build of this tree, used
#                       instead of compiling it again
#   WINDOWS_ARCHES      the architectures, "x86_64 i686" by default
#   WINDOWS_PROGRAM_x86_64, WINDOWS_PROGRAM_i686
#                       a solvanex.exe built elsewhere (for example against Qt 6 for Windows,
#                       see README) to package instead of the tree's own
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/common.sh"
solvanex_install_missing "${SOLVANEX_RUN_PACKAGES[@]}" "${SOLVANEX_TEST_PACKAGES[@]}"

out=${PACKAGE_BUILD_DIR:-$root/build-package}
arches=${WINDOWS_ARCHES:-x86_64 i686}
version=$(sed -n 's/^project(Solvanex VERSION \([0-9]*\.[0-9]*\.[0-9]*\).*/\1/p' \
  "$root/CMakeLists.txt")
[ -n "$version" ] || { echo "package-windows.sh: no version in CMakeLists.txt" >&2; exit 1; }

# The help file is compiled by a program of the build, which a cross build cannot run.
help_file=${HELP_FILE:-}
if [ -z "$help_file" ]; then
  cmake -S "$root" -B "$out/help" -DCMAKE_BUILD_TYPE=Release -DSOLVANEX_TESTS=OFF \
    -DSOLVANEX_SANITIZED_RUN=OFF
  cmake --build "$out/help" -j"$(nproc)" --target solvanex_help_file
  help_file=$out/help/bin/Solvanex.chm
fi
[ -f "$help_file" ] || { echo "package-windows.sh: no help file at $help_file" >&2; exit 1; }

made=()
for arch in $arches; do
  case $arch in
    x86_64) nsis_arch=x64 ;;
    i686) nsis_arch=x86 ;;
    *) echo "package-windows.sh: unknown architecture $arch" >&2; exit 1 ;;
  esac
  tree=$out/windows-$arch
  override_name=WINDOWS_PROGRAM_$arch
  program=${!override_name:-}
  if [ -z "$program" ]; then
    cmake -S "$root" -B "$tree" --toolchain "$root/cmake/toolchains/mingw-w64-$arch.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DSOLVANEX_TESTS=OFF -DSOLVANEX_WINDOW=OFF
    if ! cmake --build "$tree" -j"$(nproc)" --target solvanex; then
      echo "package-windows.sh: this tree builds no Windows solvanex.exe for $arch" >&2
      exit 1
    fi
    program=$tree/bin/solvanex.exe
  fi
  [ -f "$program" ] || { echo "package-windows.sh: no program at $program" >&2; exit 1; }

  name=Solvanex-$version-$nsis_arch
  stage=$out/stage/$name
  rm -rf "$stage"
  mkdir -p "$stage"
  "$arch-w64-mingw32-strip" -o "$stage/solvanex.exe" "$program"
  cp "$help_file" "$stage/Solvanex.chm"
  # The licence with Windows line ends, for Notepad.
  sed 's/$/\r/' "$root/LICENSE" > "$stage/LICENSE.txt"

  setup=$out/$name-setup.exe
  makensis -V2 -INPUTCHARSET UTF8 -DARCH="$nsis_arch" -DSTAGE="$stage" -DVERSION="$version" \
    -DOUTFILE="$setup" "$root/packaging/windows/Solvanex.nsi"
  archive=$out/$name.zip
  rm -f "$archive"
  (cd "$out/stage" && cmake -E tar cf "$archive" --format=zip "$name")
  made+=("$setup" "$archive")
done
printf '%s\n' "${made[@]}"
