#!/usr/bin/env bash
# Derives the lexicon of new boards (src/exercises/lexico.tsv) from the Spanish texts of the
# Debian package fortunes-es. On a fresh Debian 12: install what scripts/tildora.sh installs,
# then `apt-get install fortunes-es`, then run this script. It builds the converter in the
# program's build folder and writes the list in place; commit the list it writes.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
build=${TILDORA_BUILD_DIR:-"$here/build"}

for package in fortunes-es hunspell-es wspanish; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        echo "Falta el paquete $package: apt-get install $package" >&2
        exit 1
    fi
done
# The quotes and sayings, not the "off" section, which is no reading for a classroom.
sources=(/usr/share/games/fortunes/es/*.fortunes)

[ -f "$build/CMakeCache.txt" ] || cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target tildora_makelexicon
"$build/tools/tildora_makelexicon" "${sources[@]}" > "$here/src/exercises/lexico.tsv.new"
mv "$here/src/exercises/lexico.tsv.new" "$here/src/exercises/lexico.tsv"
