#!/usr/bin/env bash
# Builds Velcora and runs the calculation benchmark.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$top"
scripts/setup.sh
scripts/build.sh build
build/bench/bench_engine
