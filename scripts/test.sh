#!/usr/bin/env bash
# Installs what is missing, builds everything (including the clang sanitizer and fuzzing build
# of the core) and runs every test through CTest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/deps.sh"
solvanex_install_missing

build=${BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSOLVANEX_SANITIZED_RUN=ON
cmake --build "$build" -j"$(nproc)"
cd "$build"
exec ctest --output-on-failure -j"$(nproc)" --timeout 900
