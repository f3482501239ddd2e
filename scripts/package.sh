#!/usr/bin/env bash
# Builds the Debian packages of the shell: tarvik, lumvar, sorvel,
# veltra-standin-apps and veltra-dev (the SDK), from the one build in build/
# (set up and built first, as scripts/test.sh does), into build/packages/.
#
#   scripts/package.sh              # build/packages/*.deb
#   scripts/package.sh <build dir>  # a build configured already (a cross build:
#                                   # its toolchain names the architecture)
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${1:-$top/build}"
if [ $# -eq 0 ]; then
    "$top/scripts/setup.sh"
else
    cmake --build "$build"
fi
start=$SECONDS
cmake --build "$build" --target packages
echo "package: built in $((SECONDS - start)) s:"
for deb in "$build"/packages/*.deb; do
    printf '  %-48s %8s bytes, %6s kB installed\n' "$(basename "$deb")" "$(stat -c %s "$deb")" \
        "$(dpkg-deb -f "$deb" Installed-Size)"
done
