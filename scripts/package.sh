#!/usr/bin/env bash
# Builds the Debian packages of the shell: tarvik, lumvar, sorvel,
# veltra-standin-apps and veltra-dev (the SDK), from the one build in build/
# (set up and built first, as scripts/test.sh does), into build/packages/.
#
#   scripts/package.sh              # build/packages/*.deb
#   scripts/package.sh --all        # both architectures from a clean clone: this
#                                   # machine's into build/packages, armhf (the
#                                   # device's) into build-armhf/packages
#                                   # (scripts/build-armhf.sh --packages; no SDK)
#   scripts/package.sh <build dir>  # a build configured already, built first (a
#                                   # cross build: its toolchain names the architecture)
#   scripts/package.sh --built <build dir>   # the packages of a build made already
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

case "${1:-}" in
    --all)
        start=$SECONDS
        "$top/scripts/package.sh"
        native=$((SECONDS - start))
        "$top/scripts/build-armhf.sh" --packages
        echo "package: both architectures in $((SECONDS - start)) s (this machine's $native s," \
            "armhf $((SECONDS - start - native)) s)"
        exit 0
        ;;
    --built)
        build=$2
        ;;
    "")
        build="$top/build"
        "$top/scripts/setup.sh"
        ;;
    *)
        build=$1
        cmake --build "$build"
        ;;
esac
start=$SECONDS
cmake --build "$build" --target packages
echo "package: built in $((SECONDS - start)) s:"
for deb in "$build"/packages/*.deb; do
    printf '  %-48s %8s bytes, %6s kB installed\n' "$(basename "$deb")" "$(stat -c %s "$deb")" \
        "$(dpkg-deb -f "$deb" Installed-Size)"
done
