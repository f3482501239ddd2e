#!/usr/bin/env bash
# Renders the Material gallery (the test qml_material_tst_gallery) and copies
# its pictures into docs/images/material/ for docs/material.md: the four scenes
# (gallery-<n>.png) and the components one by one (material-<Component>.png).
# Run after a change to the library or the gallery; commit the pictures.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
(cd "$top/build" && ctest --output-on-failure -R '^qml_material_tst_gallery$')
out="$top/docs/images/material"
mkdir -p "$out"
cp "$top"/build/tests/material/gallery-[0-9].png "$out/"
# The components are grabbed alone, on a transparent ground: put them on the
# gallery page's (grey 50).
for f in "$top"/build/tests/material/material-*.png; do
    convert "$f" -background '#fafafa' -flatten "$out/$(basename "$f")"
done
# A text field grabbed alone comes out black with the software renderer: the
# two of scene 1 are cut from its picture (the right-hand column of the page).
convert "$out/gallery-1.png" -crop 180x88+292+86 +repage "$out/material-TextField.png"
echo "docs-pictures: $(ls "$out" | wc -l) pictures in $out"
