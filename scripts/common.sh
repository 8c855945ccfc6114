#!/usr/bin/env bash
# What the scripts share: the Debian 12 packages they need, in two lists, installing those that
# are missing (through sudo when not root), and building a tree.
#   SOLVANEX_RUN_PACKAGES   building and running the Linux program (run.sh)
#   SOLVANEX_TEST_PACKAGES  everything else the tests, the Windows side and the packages need
#                           (test.sh, test-windows.sh, package.sh, package-windows.sh)
set -euo pipefail

SOLVANEX_RUN_PACKAGES=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  # The help viewer's reading of the help file, and the help compiler.
  libmspack-dev fp-utils
  # The face the window is drawn in (metric-compatible with the Windows dialog fonts), the one
  # it falls back to, and Qt's own texts in French.
  fonts-liberation2 fonts-dejavu-core qt6-translations-l10n
  # The icons that the build renders for the desktop entry.
  librsvg2-bin
)

SOLVANEX_TEST_PACKAGES=(
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  # The C library's locale sources: the tests make the French locale from them.
  locales
  xvfb xauth x11-utils xdotool xclip
  # A window manager that frames the window after mapping it, for the centring test.
  openbox
  # The window benchmark's first-paint watcher (X Damage events).
  libxcb-damage0-dev
  # The Debian package: packaging and its checks.
  dpkg-dev file lintian desktop-file-utils appstream
  # The Windows side: cross compilers, Wine to run the result, GoogleTest's sources, the setup
  # program's compiler; the classic dialog fonts for the Wine prefixes; and for the Windows
  # window's end-to-end run, the window's picture (xwd, netpbm).
  mingw-w64 wine wine64 googletest nsis fonts-wine x11-apps netpbm
)

# Installs those of the packages named as arguments that are missing.
solvanex_install_missing() {
  local missing=()
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  echo "Installing: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
  fi
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}

# Adds apt's source entry for Debian 12 when there is none: the sanitizer and fuzzing build
# compiles libmspack from Debian's source package ("apt-get source libmspack").
solvanex_add_source_entry() {
  if grep -Eqs '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/*; then
    return 0
  fi
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
  fi
  printf '%s\n' 'Types: deb-src' 'URIs: http://deb.debian.org/debian' \
    'Suites: bookworm bookworm-updates' 'Components: main' \
    'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' |
    "${sudo[@]}" tee /etc/apt/sources.list.d/solvanex-source.sources >/dev/null
  "${sudo[@]}" apt-get update -qq
}

# Configures and builds the tree at $1 with the further CMake arguments given.
solvanex_build() {
  local root build
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  build=$1
  shift
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$build" -j"$(nproc)"
}

# Whether this machine's kernel runs 32-bit x86 programs at all (some virtual machines' kernels
# refuse them with "Exec format error", and Debian's 32-bit Wine with them): a program of four
# instructions that only exits, assembled and linked with binutils, tells.
solvanex_runs_32bit_programs() {
  local dir status=0
  dir=$(mktemp -d)
  printf '.globl _start\n_start:\n movl $1, %%eax\n xorl %%ebx, %%ebx\n int $0x80\n' |
    as --32 -o "$dir/probe.o" - 2>/dev/null &&
    ld -m elf_i386 -o "$dir/probe" "$dir/probe.o" 2>/dev/null &&
    "$dir/probe" 2>/dev/null || status=1
  rm -rf "$dir"
  return "$status"
}
