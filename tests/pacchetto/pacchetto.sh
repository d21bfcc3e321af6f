#!/usr/bin/env bash
# The Debian package as a user gets it: made by cpack, unpacked into a temporary root, and its
# programs, manual pages, desktop entry and bus service checked there.
#   pacchetto.sh SOURCE_DIR BUILD_DIR CPACK VERSION
set -euo pipefail
src="$1" build="$2" cpack="$3" versione="$4"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
errori=0
fallisce() { echo "FALLITO: $*" >&2; errori=$((errori + 1)); }

"$cpack" -G DEB -B "$tmp/deb" --config "$build/CPackConfig.cmake" >"$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log" >&2; exit 1; }
deb="$tmp/deb/velcora_${versione}_$(dpkg --print-architecture).deb"
[[ -f "$deb" ]] || { ls "$tmp/deb" >&2; fallisce "manca $deb"; exit 1; }

# Debian's own checks of a package: no error (the warnings and notes stay visible in the log).
if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" || fallisce "lintian trova errori nel pacchetto"
fi

# The control fields.
campo() { dpkg-deb -f "$deb" "$1"; }
[[ "$(campo Package)" == velcora ]] || fallisce "Package: $(campo Package)"
[[ "$(campo Version)" == "$versione" ]] || fallisce "Version: $(campo Version)"
[[ "$(campo Section)" == science ]] || fallisce "Section: $(campo Section)"
[[ "$(campo Depends)" == *libqt6widgets6* ]] || fallisce "Depends senza le librerie: $(campo Depends)"
[[ "$(campo Recommends)" == *pdf-viewer*librecad* ]] || fallisce "Recommends: $(campo Recommends)"

root="$tmp/root"
dpkg-deb -x "$deb" "$root"
for f in usr/bin/velcora usr/bin/velcora-cli usr/share/velcora/doc/index.html usr/share/velcora/VelcoraDwg.ini \
  usr/share/velcora/doc/velcora-trave.schema.json \
  usr/share/applications/velcora.desktop usr/share/icons/hicolor/scalable/apps/velcora.svg \
  usr/share/mime/packages/velcora.xml usr/share/dbus-1/services/VelcoraDwg.Server.service \
  usr/share/doc/velcora/copyright usr/share/doc/velcora/changelog.gz \
  usr/share/man/man1/velcora.1.gz usr/share/man/man1/velcora-cli.1.gz \
  usr/share/man/it/man1/velcora.1.gz usr/share/man/it/man1/velcora-cli.1.gz; do
  [[ -f "$root/$f" ]] || fallisce "manca /$f"
done
for e in "$src"/examples/*.vlr; do
  [[ -f "$root/usr/share/velcora/examples/$(basename "$e")" ]] || fallisce "manca l'esempio $(basename "$e")"
done
[[ "$(zcat "$root/usr/share/doc/velcora/changelog.gz" | head -1)" == "velcora ($versione) "* ]] ||
  fallisce "la prima voce del changelog non è la versione $versione"

# The Python module, where Debian's python3 finds it, imported from the unpacked root, gives the
# results of the built command line.
if [[ -n "${VELCORA_PYTHON:-}" ]]; then
  [[ "$(campo Depends)" == *python3-numpy* ]] || fallisce "Depends senza python3-numpy: $(campo Depends)"
  esempio="$src/examples/tre_campate_appoggi.vlr"
  "$build/app/velcora-cli" --ini "$build/app/VelcoraDwg.predefinito.ini" "$esempio" --json "$tmp/cli.json" >/dev/null
  PYTHONPATH="$root/usr/lib/python3/dist-packages" "$VELCORA_PYTHON" - "$root" "$esempio" "$tmp/cli.json" <<'FINE' ||
import json, sys
import velcora
radice, esempio, atteso = sys.argv[1:]
assert velcora.__file__.startswith(radice + "/usr/lib/python3/dist-packages/velcora/"), velcora.__file__
r = velcora.calcola(esempio)
r["diagrammi"] = {k: [float(x) for x in v] for k, v in r["diagrammi"].items()}
assert r == json.load(open(atteso)), "risultati diversi da velcora-cli"
FINE
    fallisce "il modulo Python installato non si importa o non calcola come velcora-cli"
fi

# The installed command line gives the listing of the built one on the default factors, with
# no message: it finds the factors the installation comes with.
export HOME="$tmp/home"
unset XDG_CONFIG_HOME
for e in "$src"/examples/*.vlr; do
  atteso="$("$build/app/velcora-cli" --separatori it --ini "$build/app/VelcoraDwg.predefinito.ini" "$e")"
  if ! ottenuto="$("$root/usr/bin/velcora-cli" --separatori it "$e" 2>"$tmp/stderr")"; then
    fallisce "velcora-cli installato su $(basename "$e"): $(cat "$tmp/stderr")"
  elif [[ "$ottenuto" != "$atteso" ]]; then
    fallisce "la relazione di $(basename "$e") differisce da quella del programma compilato"
  elif [[ -s "$tmp/stderr" ]]; then
    fallisce "velcora-cli installato su $(basename "$e") dice: $(cat "$tmp/stderr")"
  fi
done

# Every option of --help is described in both manual pages of its program, every option the
# pages describe exists, and the pages format without warnings.
opzioni_aiuto() { "$1" --help | sed -nE 's/^ +(-.*)/\1/p' | sed -E 's/  .*//' | grep -oE -- '--?[[:alnum:]][[:alnum:]-]*' | sort -u; }
testo_pagina() { zcat "$1" | sed -E 's/\\-/-/g; s/\\f[BIRP]//g; s/\\&//g'; }
opzioni_pagina() { # the options named in the tags of the OPTIONS section
  testo_pagina "$1" | awk '/^\.SH/ { dentro = ($2 == "OPTIONS" || $2 == "OPZIONI"); next }
                           dentro && etichetta { print } { etichetta = dentro && /^\.TP/ }' |
    grep -oE -- '--?[[:alnum:]][[:alnum:]-]*' | sort -u
}
for programma in velcora velcora-cli; do
  aiuto="$(opzioni_aiuto "$root/usr/bin/$programma")"
  [[ -n "$aiuto" ]] || fallisce "$programma --help non mostra opzioni"
  for pagina in "$root/usr/share/man/man1/$programma.1.gz" "$root/usr/share/man/it/man1/$programma.1.gz"; do
    nome="${pagina#"$root"}"
    testo="$(testo_pagina "$pagina")"
    for o in $aiuto; do
      grep -qE -- "(^|[^[:alnum:]-])$o([^[:alnum:]-]|\$)" <<<"$testo" || fallisce "$nome non descrive $o"
    done
    for o in $(opzioni_pagina "$pagina"); do
      grep -qxF -- "$o" <<<"$aiuto" || fallisce "$nome descrive $o, che $programma --help non ha"
    done
    avvisi="$(zcat "$pagina" | LC_ALL=C.UTF-8 groff -k -t -man -ww -z -Tutf8 2>&1)" || true
    [[ -z "$avvisi" ]] || fallisce "$nome: $avvisi"
  done
done

# The desktop entry, and the bus service that starts the installed program.
desktop-file-validate "$root/usr/share/applications/velcora.desktop" || fallisce "velcora.desktop non valido"
servizio="$root/usr/share/dbus-1/services/VelcoraDwg.Server.service"
grep -qx 'Name=VelcoraDwg.Server' "$servizio" || fallisce "il servizio non ha il nome VelcoraDwg.Server"
grep -qx 'Exec=/usr/bin/velcora --server' "$servizio" || fallisce "il servizio non avvia /usr/bin/velcora: $(grep Exec "$servizio")"

exit $((errori > 0))
