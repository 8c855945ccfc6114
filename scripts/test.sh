#!/usr/bin/env bash
# Installs what is missing, builds everything (including the clang sanitizer and fuzzing build
# of the core) and runs every test through CTest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/common.sh"
solvanex_install_missing

build=${BUILD_DIR:-$root/build}
solvanex_build "$build" -DSOLVANEX_SANITIZED_RUN=ON
cd "$build"
exec ctest --output-on-failure -j"$(nproc)" --timeout 900
