#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; then the
# same tests (all but the long end-to-end runs) once more under
# AddressSanitizer and UndefinedBehaviorSanitizer, built by clang with the
# fuzz targets, which run for a minute each.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build -j2
(cd build && ctest --output-on-failure --timeout 300)

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DKARVELON_SANITIZE=ON -DKARVELON_FUZZ=ON > /dev/null
cmake --build build-asan -j2 --target karvelon_tests karvelon_qt_tests karvelon-solve \
  karvelon_slow_tests fuzz_pentipos fuzz_objects fuzz_script
cd build-asan
ctest --output-on-failure --timeout 600 --label-exclude e2e
