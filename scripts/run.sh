#!/usr/bin/env bash
# Installs what is missing, builds Solvanex and starts it. Without a display the program says so
# and computes the body-mass index example instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/common.sh"
solvanex_install_missing

build=${BUILD_DIR:-$root/build}
solvanex_build "$build" -DSOLVANEX_SANITIZED_RUN=OFF

exec "$build/bin/solvanex" "$@"
