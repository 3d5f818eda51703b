#!/usr/bin/env bash
# Builds the ".net" reader's fuzz target with clang and runs it.
#   scripts/fuzz.sh [SECONDS]      default 600
# FUZZ_BUILD_DIR names the build folder (default build-fuzz), FUZZ_JOBS the parallel runs.
# Inputs that fail land in fuzz-out/crashes/; keep each in tests/fuzz/regressions/, which
# the test suite replays.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
build=${FUZZ_BUILD_DIR:-build-fuzz}
jobs=${FUZZ_JOBS:-1}

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DPLEXOR_FUZZ=ON -DPLEXOR_SANITIZE=ON -DPLEXOR_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzz_net_reader -j"$(nproc)"

mkdir -p fuzz-out/corpus fuzz-out/crashes
seeds=()
for dir in examples tests/fuzz/regressions; do
  [ -d "$dir" ] && seeds+=("$dir")
done
parallel=()
[ "$jobs" -gt 1 ] && parallel=(-jobs="$jobs" -workers="$jobs")
"$build"/tests/fuzz/fuzz_net_reader fuzz-out/corpus "${seeds[@]}" \
  -dict=tests/fuzz/net.dict -max_len=8192 -max_total_time="$seconds" "${parallel[@]}" \
  -artifact_prefix=fuzz-out/crashes/ -print_final_stats=1
