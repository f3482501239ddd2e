#!/usr/bin/env bash
# Sets up, builds and runs every test headless through CTest.
# Extra arguments go to ctest (for example: -R qml_ -V).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
cd "$top/build"
# One test more than CPUs: many tests spend their time waiting for taps,
# timers and animations at a person's pace (on 2 CPUs the suite took 446 s
# at -j2 and 308 s at -j3).
ctest --output-on-failure -j "$(($(nproc) + 1))" -LE bench "$@"
