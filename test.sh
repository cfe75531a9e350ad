#!/usr/bin/env bash
# Sets up everything that is missing, checks that includes follow the layer order, builds, and runs
# every test: the fuzz targets briefly, the unit tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the unit tests of the normal build, whose CTest summary closes the
# output.
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc)
scripts/install-deps
scripts/check-layers

scripts/configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"

scripts/configure build-asan -DCMAKE_BUILD_TYPE=Debug -DBURROWIX_SANITIZE=ON -DBURROWIX_BENCH=OFF \
  -DBURROWIX_DATA=OFF
cmake --build build-asan -j"$jobs"

# The sound tests alone under ThreadSanitizer (a small build: only what they need).
scripts/configure build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBURROWIX_TSAN=ON -DBURROWIX_TESTS=OFF \
  -DBURROWIX_TOOLS=OFF -DBURROWIX_BENCH=OFF -DBURROWIX_DATA=OFF
cmake --build build-tsan -j"$jobs" --target burrowix_audio_tsan

CC=clang-14 CXX=clang++-14 scripts/configure build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBURROWIX_FUZZ=ON -DBURROWIX_TESTS=OFF -DBURROWIX_TOOLS=OFF -DBURROWIX_BENCH=OFF -DBURROWIX_DATA=OFF
cmake --build build-fuzz -j"$jobs"
scripts/run-fuzzers build-fuzz "${BURROWIX_FUZZ_SECONDS:-30}"

echo "== sound tests under ThreadSanitizer"
TSAN_OPTIONS=halt_on_error=1 SDL_AUDIODRIVER=dummy build-tsan/tests/burrowix_audio_tsan

echo "== unit tests under ASan+UBSan"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan -j"$jobs" --output-on-failure --no-tests=error
echo "== unit tests"
ctest --test-dir build -j"$jobs" --output-on-failure --no-tests=error
