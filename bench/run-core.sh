#!/usr/bin/env bash
# Builds and runs the core benchmarks (FormatResult, ParseNumber, 10,000 keys).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target solvanex_bench_core
"$build/bench/solvanex_bench_core" --benchmark_repetitions="${REPETITIONS:-5}" \
  --benchmark_report_aggregates_only=true "$@"
