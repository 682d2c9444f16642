#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; then the
# same tests (all but the end-to-end runs) once more under AddressSanitizer
# and UndefinedBehaviorSanitizer, built by clang with the fuzz targets, which
# run side by side for a minute each. Ends with the wall time of each phase.
set -euo pipefail
cd "$(dirname "$0")"

phases=() started=$SECONDS
phase() {  # closes the running phase under the name $1
  phases+=("$(printf '%-18s %4d s' "$1" $((SECONDS - started)))")
  started=$SECONDS
}
report() {
  echo "Wall time by phase:"
  printf '  %s\n' "${phases[@]}"
}
trap report EXIT

# End-to-end tests mostly wait on their X servers: four at a time on two cores.
jobs=$(($(nproc) * 2))

scripts/deps.sh
phase packages
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build -j"$(nproc)"
phase build
(cd build && ctest --output-on-failure --timeout 300 -j"$jobs")
phase tests

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DKARVELON_SANITIZE=ON -DKARVELON_FUZZ=ON > /dev/null
cmake --build build-asan -j"$(nproc)" --target karvelon_tests karvelon_qt_tests karvelon-solve \
  karvelon_slow_tests fuzz_pentipos fuzz_objects fuzz_script
phase "sanitizer build"
# The three fuzzers run for a fixed time each, side by side, besides the rest.
(cd build-asan && ctest --output-on-failure --timeout 600 --label-exclude e2e -j"$((jobs + 3))")
phase "sanitizer tests"
