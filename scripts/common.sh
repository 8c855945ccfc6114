#!/usr/bin/env bash
# What run.sh and test.sh share: installing the Debian 12 packages that building, running and
# testing need when any is missing (through sudo when not root), and building a tree.
set -euo pipefail

SOLVANEX_PACKAGES=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  libmspack-dev fp-utils
  # The C library's locale sources: the tests make the French locale from them.
  locales
  xvfb xauth x11-utils xdotool fonts-dejavu-core
  # The face the window is drawn in (metric-compatible with the Windows dialog fonts), and Qt's
  # own texts in French.
  fonts-liberation2 qt6-translations-l10n
  # The window benchmark's first-paint watcher (X Damage events).
  libxcb-damage0-dev
  # The Debian package: icons, packaging and its checks.
  librsvg2-bin dpkg-dev file lintian desktop-file-utils appstream
  # The Windows side: cross compilers, Wine to run the result, GoogleTest's sources.
  mingw-w64 wine wine64 googletest
)

solvanex_install_missing() {
  local missing=()
  for package in "${SOLVANEX_PACKAGES[@]}"; do
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
