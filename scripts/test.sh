#!/usr/bin/env bash
# Installs what is missing, builds everything (including the clang sanitizer and fuzzing build
# of the core) and runs every test through CTest; then the Windows build and its tests under Wine
# (test-windows.sh). Fails when either fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/common.sh"
solvanex_install_missing "${SOLVANEX_RUN_PACKAGES[@]}" "${SOLVANEX_TEST_PACKAGES[@]}"
solvanex_add_source_entry

build=${BUILD_DIR:-$root/build}
solvanex_build "$build" -DSOLVANEX_SANITIZED_RUN=ON
cd "$build"
linux_status=0
ctest --output-on-failure -j"$(nproc)" --timeout 900 || linux_status=$?
REFERENCE_CLI="$build/bin/solvanex-cli" HELP_FILE="$build/bin/Solvanex.chm" \
  "$root/scripts/test-windows.sh"
exit "$linux_status"
