#!/bin/bash
# Draws who links whom among the program's libraries, from CMake's own view of the targets:
#   scripts/library-graph.sh [output folder]
# writes tildora-libraries.dot there (and a PNG of it when Graphviz's dot is installed).
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
out_dir=$(mkdir -p "${1:-.}" && cd "${1:-.}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Only the program's own libraries and the Qt modules they use: no tests, benchmarks, code
# generators or Qt's internal helper targets.
cat > "$work/CMakeGraphVizOptions.cmake" <<'OPTIONS'
set(GRAPHVIZ_GRAPH_NAME "Tildora libraries")
set(GRAPHVIZ_IGNORE_TARGETS "^tst_;^tildora_test;_autogen;_resources;_other_files;^bench_;^fuzz_;^Qt6::(Platform|moc|uic|rcc)$;^Threads::;^Wrap;^OpenGL::")
set(GRAPHVIZ_GENERATE_PER_TARGET FALSE)
set(GRAPHVIZ_GENERATE_DEPENDERS FALSE)
OPTIONS
cmake -S "$source_dir" -B "$work" -DTILDORA_TESTS=OFF --graphviz="$work/graph.dot" > "$work/configure.log"
cp "$work/graph.dot" "$out_dir/tildora-libraries.dot"
if command -v dot > /dev/null; then
    dot -Tpng "$out_dir/tildora-libraries.dot" -o "$out_dir/tildora-libraries.png"
fi
echo "$out_dir/tildora-libraries.dot"
