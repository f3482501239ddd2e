#!/usr/bin/env bash
# The SDK as an app team uses it, from the build in build/ (scripts/test.sh
# first): install the shell and the SDK to a fresh prefix, build the sample app
# examples/unitconverter outside the tree against that prefix, run its tests
# with the SDK's runner, preview it headless (screenshots), lint its QML with the
# SDK's modules on disk, install it beside the shell's apps and start the
# installed shell with it. Then the project's own tests that see the staged
# apps (start-up, the stage, the stand-in apps' QML tests) run again with the
# sample app staged beside ours.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work="${VELTRA_SDK_CHECK_DIR:-$top/build/sdk-check}"
prefix="$work/prefix"
example="$work/unitconverter"
start=$SECONDS
rm -rf "$work"
mkdir -p "$work"
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software

echo "sdk-check: installing to $prefix"
cmake --install "$top/build" --prefix "$prefix" > "$work/install.log"
(cd "$prefix" && find . -maxdepth 3 -not -path './opt/veltra/icons/*' | sort) > "$work/install-tree.txt"
echo "sdk-check: $(wc -l < "$work/install.log") files installed; the tree: $work/install-tree.txt"

echo "sdk-check: building examples/unitconverter against the installed SDK"
cmake -S "$top/examples/unitconverter" -B "$example" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_PREFIX_PATH="$prefix"
cmake --build "$example"

echo "sdk-check: its tests, run by the SDK's runner"
(cd "$example" && ctest --output-on-failure)

echo "sdk-check: its preview"
(cd "$example" && cmake --build . --target unitconverter_preview)
"$prefix/bin/veltra-preview" --edition desktop --language de-DE \
    --screenshot "$example/unitconverter-preview-desktop-de-DE.png" "$example/apps/libunitconverter.so"
test -s "$example/libunitconverter-preview.png"
test -s "$example/unitconverter-preview-desktop-de-DE.png"

echo "sdk-check: qmllint with the SDK's QML modules"
QML2_IMPORT_PATH="$prefix/lib/veltra/qml" /usr/lib/qt5/bin/qmllint \
    "$top"/examples/unitconverter/*.qml "$top"/examples/unitconverter/tests/*.qml

echo "sdk-check: the installed shell with the app installed beside its apps"
cmake --install "$example" --prefix "$prefix" > /dev/null
test -f "$prefix/opt/veltra/apps/libunitconverter.so"
rootfs="$work/rootfs"
mkdir -p "$rootfs/opt/save_data"
printf '[General]\nstartup_app_id=com.example.veltra.UnitConverter\n' > "$rootfs/opt/save_data/global.conf"
status=0
(cd "$prefix/opt/tarvik/bin" && VELTRA_ROOTFS="$rootfs" VELTRA_POWEROFF_PROGRAM=/bin/true \
    XDG_RUNTIME_DIR="$work" timeout -s TERM 8 ./tarvik) > "$work/tarvik.log" 2>&1 || status=$?
if [ "$status" -ne 124 ] && [ "$status" -ne 0 ]; then
    echo "sdk-check: the installed shell ended with $status" >&2; cat "$work/tarvik.log" >&2; exit 1
fi
for line in "UnitConverterApp::registerTypes()" "onLoaded: UnitConverterApp.qml" "onLoaded: HomeApp.qml"; do
    grep -qF "$line" "$work/tarvik.log" || { echo "sdk-check: no \"$line\" in the shell's log" >&2; cat "$work/tarvik.log" >&2; exit 1; }
done
if grep -E "skipped|did not load|\.qml:[0-9]+" "$work/tarvik.log"; then
    echo "sdk-check: the installed shell reported the lines above" >&2; exit 1
fi

echo "sdk-check: the project's tests of the staged apps, with the sample app staged beside them"
staged="$top/build/stage/opt/veltra/apps/libunitconverter.so"
cp "$example/apps/libunitconverter.so" "$staged"
trap 'rm -f "$staged"' EXIT
(cd "$top/build" && ctest --output-on-failure -R '^(tst_startup|tst_stage|qml_apps_.*)$')
rm -f "$staged"
trap - EXIT

echo "sdk-check: screenshots: $example/libunitconverter-preview.png $example/unitconverter-preview-desktop-de-DE.png"
echo "sdk-check: passed in $((SECONDS - start)) s"
