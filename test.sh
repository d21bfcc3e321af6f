#!/usr/bin/env bash
# Builds Velcora and runs the whole test suite: once in a normal build, once with the
# address and undefined-behaviour sanitizers. Exits non-zero on any failure.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$top"
scripts/setup.sh

scripts/build.sh build
(cd build && ctest --output-on-failure -j"$(nproc)")

scripts/build.sh build-asan -DVELCORA_SANITIZE=ON -DVELCORA_BENCH=OFF
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j"$(nproc)")
