#!/usr/bin/env bash
# Installs what building and running the program needs when it is missing (what the tests need
# is test.sh's), builds Solvanex without its tests and starts it. Without a display the program
# says so and computes the body-mass index example instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/common.sh"
solvanex_install_missing "${SOLVANEX_RUN_PACKAGES[@]}"

build=${BUILD_DIR:-$root/build}
solvanex_build "$build" -DSOLVANEX_SANITIZED_RUN=OFF -DSOLVANEX_TESTS=OFF

exec "$build/bin/solvanex" "$@"
