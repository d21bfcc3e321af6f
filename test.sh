#!/usr/bin/env bash
# Builds Velcora and runs the whole test suite: once in a normal build, once with the
# address and undefined-behaviour sanitizers, once optimised for release (-O3, where GCC's
# flow analysis sees most). Exits non-zero on any failure.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$top"
scripts/setup.sh

scripts/build.sh build
(cd build && ctest --output-on-failure -j"$(nproc)")

scripts/build.sh build-asan -DVELCORA_SANITIZE=ON -DVELCORA_BENCH=OFF
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j"$(nproc)")

scripts/build.sh build-release -DCMAKE_BUILD_TYPE=Release -DVELCORA_BENCH=OFF
(cd build-release && ctest --output-on-failure -j"$(nproc)")
