#!/usr/bin/env bash
# Sets up, builds and runs every test headless through CTest.
# Extra arguments go to ctest (for example: -R qml_ -V).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
cd "$top/build"
ctest --output-on-failure -j "$(nproc)" -LE bench "$@"
