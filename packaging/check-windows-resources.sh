#!/usr/bin/env bash
# Compiles the window's Windows resources with MinGW's windres (no Windows
# SDK needed) and checks the icon group and the manifest are in the result.
# Usage: check-windows-resources.sh WINDRES SOURCE_DIR WORK_DIR
set -euo pipefail
windres=$1 source=$2 work=$3
mkdir -p "$work"
compile() {
    "$windres" --preprocessor=cpp --preprocessor-arg=-xc --preprocessor-arg=-DRC_INVOKED \
        -I "$source/resources" "$source/resources/qvrtomorvane.rc" "$@"
}
compile -O coff -o "$work/qvrtomorvane_rc.o"
compile -O rc -o "$work/qvrtomorvane_decompiled.rc"
grep -q '^"IDI_ICON1" 14 /\* RT_GROUP_ICON \*/' "$work/qvrtomorvane_decompiled.rc"
grep -q '^1 24 /\* RT_MANIFEST \*/' "$work/qvrtomorvane_decompiled.rc"
icons=$(grep -c '^[0-9]* 3 /\* RT_ICON \*/' "$work/qvrtomorvane_decompiled.rc")
[ "$icons" -eq 5 ] || { echo "expected 5 icon images, found $icons" >&2; exit 1; }
grep -q 'asInvoker' "$source/resources/qvrtomorvane.manifest"
echo "Windows resources compile: icon group IDI_ICON1 with $icons images, manifest"
