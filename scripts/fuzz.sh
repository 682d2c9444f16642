#!/usr/bin/env bash
# Runs the three fuzz targets side by side for SECONDS each (600 by
# default), built under the sanitizers in build-asan/ as ./test.sh builds
# them. Each keeps its corpus in build-asan/fuzz/<target>_corpus, so a run
# goes on from what the runs before it found; a crash is written beside it
# as <target>-crash-<hash>, to be replayed with ./<target> FILE.
#
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
[[ "$seconds" =~ ^[0-9]+$ ]] || { echo "usage: scripts/fuzz.sh [SECONDS]" >&2; exit 2; }
targets=(fuzz_pentipos fuzz_objects fuzz_script)

scripts/deps.sh
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DKARVELON_SANITIZE=ON -DKARVELON_FUZZ=ON > /dev/null
cmake --build build-asan -j"$(nproc)" --target "${targets[@]}"

cd build-asan/fuzz
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
pids=()
for t in "${targets[@]}"; do
  echo "$t: $seconds s, corpus ${t}_corpus, log $t.log"
  ./"$t" -max_total_time="$seconds" -timeout=20 -artifact_prefix="$t-" -print_final_stats=1 \
    "${t}_corpus" "${t}_seeds" >"$t.log" 2>&1 &
  pids+=($!)
done
status=0
for i in "${!targets[@]}"; do
  t=${targets[i]}
  if wait "${pids[i]}"; then
    echo "$t: no fault; corpus of $(find "${t}_corpus" -type f | wc -l) inputs, $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$t.log" | grep -o '[0-9]*$') runs"
  else
    status=1
    echo "$t: FAULT, see build-asan/fuzz/$t.log:"
    grep -m 1 -A 12 -E '^==[0-9]+==ERROR|runtime error|deadly signal|Test unit written' "$t.log" || tail -n 20 "$t.log"
  fi
done
exit $status
