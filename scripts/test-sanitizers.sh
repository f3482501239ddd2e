#!/usr/bin/env bash
# Builds the tree with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ (same Debian packages as scripts/test.sh) and runs every test
# headless with leak checking on, but the benchmarks and the layout checks of
# every language (which run no code the other tests do not). Any sanitizer
# report fails the test that produced it. Extra arguments go to ctest.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${VELTRA_ASAN_BUILD_DIR:-$top/build-asan}"
# The packages (and build/, a no-op after scripts/test.sh).
"$top/scripts/setup.sh"
start=$SECONDS
# -O1 with line tables only (-g1), the usual level for sanitizer builds:
# reports keep their file and line, and the build is shorter than at -O2 with
# full debug data.
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG" "-DCMAKE_C_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG" \
    -DVELTRA_SANITIZE=ON -DVELTRA_BUILD_BENCH=OFF
cmake --build "$build" -j "$(nproc)"
echo "test-sanitizers: the sanitizer build took $((SECONDS - start)) s"
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
cd "$build"
start=$SECONDS
status=0
# The SDK's checks (label sdk) build sample apps with the SDK's CMake package:
# nothing of ours runs instrumented there. The Debian packages (label package)
# are made from the normal build, not from an instrumented one.
# One test more than CPUs, as in scripts/test.sh (here 331 s at -j2, 296 s
# at -j3).
ctest --output-on-failure -j "$(($(nproc) + 1))" -LE 'bench|fit|sdk|package' "$@" || status=$?
echo "test-sanitizers: the tests under the sanitizers took $((SECONDS - start)) s"
exit "$status"
