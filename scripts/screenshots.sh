#!/usr/bin/env bash
# screenshots.sh [OUTDIR] [EXAMPLE.vlr]: pictures of the program's windows, taken on a virtual
# display. The main window is shown with the example calculated, then each small window it
# opens. OUTDIR defaults to build-gui/screenshots; the example to tre_campate_appoggi.vlr.
# BUILD_DIR chooses the build to use (default build-gui, built here if needed);
# LANG_SCREENSHOT the locale whose separators are shown (default it_IT.UTF-8); SCREEN_SIZE the
# virtual screen, which the main window fills up to 1240 × 800 (default 1280x800; the window
# must work from 1024x700 up).
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$top/build-gui}"
out="${1:-$build/screenshots}"
example="${2:-$top/examples/tre_campate_appoggi.vlr}"

if [[ ! -x "$build/app/velcora" ]]; then
  cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" --target velcora -j"$(nproc)"
fi

mkdir -p "$out"
# Qt takes the separators from the locale's name, installed or not: Italian by default.
export LC_ALL="${LANG_SCREENSHOT:-it_IT.UTF-8}"
xvfb-run -a -s "-screen 0 ${SCREEN_SIZE:-1280x800}x24" "$build/app/velcora" --screenshot "$out" "$example"
echo "Pictures in $out:"
ls -1 "$out"/*.png
