#!/usr/bin/env bash
# Installs what Tildora needs on Debian 12, builds it, and then either starts it with the
# shipped exercise files ("run") or runs every test ("test").
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
mode=${1:-run}
# TILDORA_BUILD_DIR and TILDORA_CMAKE_OPTIONS let CI build a second, checked configuration
# beside the ordinary one.
build=${TILDORA_BUILD_DIR:-"$here/build"}

packages=(build-essential cmake qt6-base-dev qt6-base-dev-tools qt6-charts-dev qt6-translations-l10n
          libgl1-mesa-dev libfontconfig-dev fonts-comic-neue fonts-liberation2 fonts-dancingscript
          xdg-utils xvfb xauth wspanish hunspell hunspell-es libhunspell-dev espeak-ng libespeak-ng-dev appstream desktop-file-utils
          poppler-utils clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
fi

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${TILDORA_CMAKE_OPTIONS:-}
cmake --build "$build" --parallel 2

case "$mode" in
    run)
        cd "$here/data"
        exec "$build/tildora"
        ;;
    test)
        cd "$build"
        ctest --output-on-failure
        ;;
    *)
        echo "uso: $0 run|test" >&2
        exit 2
        ;;
esac
