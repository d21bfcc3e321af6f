#!/usr/bin/env bash
# pacchetto.sh [BUILD_DIR] [cmake options...]: builds Velcora in BUILD_DIR (default build) and
# makes the Debian package velcora_<version>_<arch>.deb there, to install with
# `apt install ./BUILD_DIR/velcora_<version>_<arch>.deb`. When lintian is installed it checks
# the package, and an error fails the script.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
dir="$(realpath -m "${1:-$top/build}")"
shift || true
"$top/scripts/setup.sh"
"$top/scripts/build.sh" "$dir" "$@"
(cd "$dir" && cpack -G DEB >/dev/null)
versione="$(sed -nE 's/^set\(CPACK_PACKAGE_VERSION "(.*)"\)$/\1/p' "$dir/CPackConfig.cmake")"
deb="$dir/velcora_${versione}_$(dpkg --print-architecture).deb"
if command -v lintian >/dev/null; then lintian --fail-on error "$deb"; fi
echo "$deb"
