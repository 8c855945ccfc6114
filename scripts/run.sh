#!/usr/bin/env bash
# Installs what is missing, builds Solvanex and starts it. Without a display the program says so
# and computes the body-mass index example instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/common.sh"
solvanex_install_missing

build=${BUILD_DIR:-$root/build}
solvanex_build "$build" -DSOLVANEX_SANITIZED_RUN=OFF

if [ -x "$build/bin/solvanex" ]; then
  exec "$build/bin/solvanex" "$@"
fi
# Without the window: the body-mass index of 70 kg at 1,75 m through the key-script runner.
exec "$build/bin/solvanex-cli" --separator=, SpeedButton7 SpeedButton0 IMC SpeedButton1 Virgule \
  SpeedButton7 SpeedButton5 Egal
