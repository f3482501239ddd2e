#!/usr/bin/env bash
# Sets up, builds and starts tarvik from the staged device tree with the
# built-in default apps. Without a display it starts a virtual one (Xvfb),
# writes a screenshot of the screen and says where; the shell keeps running
# until you stop it (Ctrl+C), or for VELTRA_RUN_SECONDS seconds when set.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/setup.sh"

stage="$top/build/stage"
export VELTRA_ROOTFS="${VELTRA_ROOTFS:-$stage/rootfs}"
# Never the machine's own power-off: auto-off in the simulated device ends only the shell.
export VELTRA_POWEROFF_PROGRAM="${VELTRA_POWEROFF_PROGRAM:-$top/scripts/simulated-poweroff.sh}"
cd "$stage/opt/tarvik/bin"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || [ -n "${QT_QPA_PLATFORM:-}" ]; then
    if [ -n "${VELTRA_RUN_SECONDS:-}" ]; then
        exec timeout -s TERM "$VELTRA_RUN_SECONDS" ./tarvik "$@"
    fi
    exec ./tarvik "$@"
fi

# No display: a virtual one, and a screenshot to show what it shows.
display_number=99
while [ -e "/tmp/.X${display_number}-lock" ]; do display_number=$((display_number + 1)); done
export DISPLAY=":${display_number}"
Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
tarvik_pid=
cleanup() {
    [ -n "$tarvik_pid" ] && kill -TERM "$tarvik_pid" 2>/dev/null && wait "$tarvik_pid" 2>/dev/null
    kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
trap 'exit 0' INT TERM
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

export QT_QUICK_BACKEND=software
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="/tmp/runtime-$(id -u)"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
fi
./tarvik "$@" &
tarvik_pid=$!

shot="$top/build/screenshot-run.png"
rm -f "$shot"
for _ in $(seq 100); do
    kill -0 "$tarvik_pid" 2>/dev/null || { echo "run: tarvik exited early" >&2; exit 1; }
    window=$(xwininfo -root -tree 2>/dev/null | awk '/"Veltra( Connect)?"/ {print $1; exit}')
    [ -n "$window" ] && break
    sleep 0.1
done
sleep "${VELTRA_SCREENSHOT_DELAY:-3}"
if [ -n "${window:-}" ] && import -window "$window" "$shot" 2>/dev/null; then
    echo "run: tarvik is running on the virtual display $DISPLAY; screenshot of its screen: $shot"
else
    echo "run: tarvik is running on the virtual display $DISPLAY; no screenshot could be taken" >&2
fi
if [ -n "${VELTRA_RUN_SECONDS:-}" ]; then
    sleep "$VELTRA_RUN_SECONDS"
else
    echo "run: press Ctrl+C to stop"
    wait "$tarvik_pid"
fi
