#!/usr/bin/env bash
# Builds Velcora and shows it at work on a bundled example: without a display, the listing of
# the results on the terminal; with one, the program's window.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$top"
scripts/setup.sh
scripts/build.sh build

esempio=examples/tre_campate_appoggi.vlr
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  build/app/velcora-cli "$esempio"
else
  build/app/velcora "$esempio"
fi
