#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang into build-fuzz/ and
# runs each of them over its seed corpus and what libFuzzer makes of it.
#
#   scripts/fuzz.sh                  # every target for a fixed number of inputs (CI)
#   scripts/fuzz.sh --long [seconds] # every target for that long (default 600 s each)
#   scripts/fuzz.sh [--long [s]] TARGET...   # only these (devicefile, initext, ...)
#
# Any crash, sanitizer report, leak, time-out or broken property fails the
# run; libFuzzer writes the input that did it to build-fuzz/crashes/ (rerun it
# with build-fuzz/fuzz_<target> <file>). Each target's output is in
# build-fuzz/logs/<target>.log; the inputs it found worth keeping stay in
# build-fuzz/corpus/<target>/ and are read again at the next run.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${VELTRA_FUZZ_BUILD_DIR:-$top/build-fuzz}"

# Target, its seed directory under tests/fuzz/corpus, and the inputs it runs
# in the fixed mode: about a minute for all, with the build, on two busy
# cores (the targets that write files run far fewer inputs a second). The
# --long mode runs each for a time instead.
targets=(
    "apprecord apprecord 100000"
    "devicefile devicefile 30000"
    "initext settings 2000"
    "savedsettings settings 1000"
    "versionhistory versionhistory 30000"
)

long=0
seconds=600
only=()
while [ $# -gt 0 ]; do
    case "$1" in
        --long)
            long=1
            if [ $# -gt 1 ] && [[ "$2" =~ ^[0-9]+$ ]]; then
                seconds="$2"
                shift
            fi
            ;;
        -h|--help)
            sed -n '2,13p' "$0"
            exit 0
            ;;
        *) only+=("$1") ;;
    esac
    shift
done

# The packages the fuzz build needs (also in scripts/debian-packages.txt, so
# scripts/setup.sh has them in place already).
needed=(clang libclang-rt-14-dev cmake ninja-build qtbase5-dev)
. "$top/scripts/packages.sh"
ensure_packages fuzz "${needed[@]}"

start=$SECONDS
cmake -S "$top/tests/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"
echo "fuzz: the build took $((SECONDS - start)) s"

# The targets write their files (a device root, saved data) in a scratch
# directory of their own, on a memory file system where there is one: the
# settings class syncs every file it writes.
scratchBase=/dev/shm
[ -d "$scratchBase" ] && [ -w "$scratchBase" ] || scratchBase="$build"
scratch=$(mktemp -d "$scratchBase/veltra-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

mkdir -p "$build/crashes" "$build/logs"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=0:malloc_context_size=30"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="print_suppressions=0"

failed=()
ran=0
for entry in "${targets[@]}"; do
    read -r name seeds runs <<<"$entry"
    if [ ${#only[@]} -gt 0 ] && [[ ! " ${only[*]} " =~ " $name " ]]; then
        continue
    fi
    corpus="$build/corpus/$name"
    log="$build/logs/$name.log"
    mkdir -p "$corpus" "$scratch/$name"
    if [ "$long" -eq 1 ]; then
        budget=(-max_total_time="$seconds")
    else
        budget=(-runs="$runs")
    fi
    ran=$((ran + 1))
    touch "$scratch/$name.start"
    tstart=$SECONDS
    status=0
    # libFuzzer adds what it finds to the first directory; the seeds in the
    # repository are only read.
    TMPDIR="$scratch/$name" "$build/fuzz_$name" "${budget[@]}" -timeout=20 -rss_limit_mb=4096 \
        -print_final_stats=1 -artifact_prefix="$build/crashes/$name-" \
        "$corpus" "$top/tests/fuzz/corpus/$seeds" >"$log" 2>&1 || status=$?
    done_line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1 || true)
    inputs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    echo "fuzz: $name: ${inputs:-?} inputs in $((SECONDS - tstart)) s; ${done_line:-no DONE line}"
    saved=$(find "$build/crashes" -type f -newer "$scratch/$name.start" \
        -regex ".*/$name-\(crash\|leak\|timeout\|oom\)-.*" -printf 'fuzz: input saved: %p\n')
    if [ "$status" -ne 0 ] || [ -n "$saved" ]; then
        failed+=("$name")
        echo "fuzz: $name FAILED (exit $status); the end of $log:" >&2
        grep -v -E '^(#[0-9]+|INFO:|\s*NEW_FUNC)' "$log" | tail -60 >&2
        [ -z "$saved" ] || echo "$saved" >&2
    fi
done

echo "fuzz: all targets took $((SECONDS - start)) s with the build"
if [ "$ran" -eq 0 ]; then
    echo "fuzz: no target named ${only[*]}" >&2
    exit 1
fi
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz: failed: ${failed[*]}" >&2
else
    echo "fuzz: no crash, sanitizer report, leak or broken property"
fi
echo "fuzz: $((ran - ${#failed[@]})) passed, ${#failed[@]} failed"
[ ${#failed[@]} -eq 0 ]
