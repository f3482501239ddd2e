#!/usr/bin/env bash
# Installs the Debian packages the project needs (when any is missing) and
# builds the tree into build/, which also stages the device layout under
# build/stage. Used by run.sh, test.sh and CI. With --packages-only it only
# installs (scripts/build-armhf.sh uses this machine's Qt tools and fonts).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

mapfile -t packages < <(grep -v -E '^\s*(#|$)' "$top/scripts/debian-packages.txt")
. "$top/scripts/packages.sh"
ensure_packages setup "${packages[@]}"
[ "${1:-}" = "--packages-only" ] && exit 0

cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$top/build" -j "$(nproc)"
