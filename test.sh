#!/usr/bin/env bash
# Installs what is missing, builds, runs every test, then runs them again in an
# AddressSanitizer + UndefinedBehaviorSanitizer build.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DLESSON_SANITIZE=ON -DLESSON_BENCHMARKS=OFF >/dev/null
cmake --build build-sanitize -j "$jobs"
# Leak detection on, except for the libraries' start-up allocations listed in the suppressions.
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS="suppressions=$PWD/tests/leak_suppressions.txt:print_suppressions=0" \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
