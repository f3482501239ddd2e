#!/usr/bin/env bash
# Stands in for /sbin/poweroff in development runs: the device would go down
# here; on a desktop machine only the shell that asked ends. The shell names
# itself in VELTRA_SHELL_PID; any other process, and any other tarvik on the
# machine, is left alone.
echo "simulated-poweroff: the device would power off now" >&2
pid="${VELTRA_SHELL_PID:-}"
case "$pid" in
    ''|*[!0-9]*)
        echo "simulated-poweroff: VELTRA_SHELL_PID does not name a shell; nothing ended" >&2
        exit 1 ;;
esac
if [ "$(cat "/proc/$pid/comm" 2>/dev/null)" != "tarvik" ]; then
    echo "simulated-poweroff: process $pid is not a tarvik; nothing ended" >&2
    exit 1
fi
kill -TERM "$pid"
