#!/usr/bin/env bash
# Installs the build into a staging folder and checks the tree a desktop expects: the program,
# the exercise files, the icon in every size, a valid desktop entry that starts in the exercise
# folder, and a valid AppStream description.
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr > /dev/null

id=org.tildora.Tildora
expected=(
    usr/bin/tildora
    usr/share/tildora/nivel1.txt
    usr/share/applications/$id.desktop
    usr/share/metainfo/$id.metainfo.xml
    usr/share/icons/hicolor/48x48/apps/$id.png
    usr/share/icons/hicolor/128x128/apps/$id.png
    usr/share/icons/hicolor/256x256/apps/$id.png
    usr/share/icons/hicolor/scalable/apps/$id.svg
)
failed=0
for file in "${expected[@]}"; do
    if [ ! -s "$stage/$file" ]; then
        echo "falta $file"
        failed=1
    fi
done
for phrases in "$(dirname "$0")"/../../data/*.txt; do
    [ -s "$stage/usr/share/tildora/$(basename "$phrases")" ] || { echo "falta $(basename "$phrases")"; failed=1; }
done
desktop=$stage/usr/share/applications/$id.desktop
grep -qx 'Path=/usr/share/tildora' "$desktop" || { echo "Path no apunta a los ejercicios"; failed=1; }
grep -qx 'Categories=Education;Languages;' "$desktop" || { echo "faltan las categorías"; failed=1; }
desktop-file-validate "$desktop" || failed=1
appstreamcli validate --no-net "$stage/usr/share/metainfo/$id.metainfo.xml" || failed=1
if [ $failed -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
exit $failed
