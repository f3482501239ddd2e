#!/usr/bin/env bash
# Stands in for /sbin/poweroff in development runs: the device would go down
# here; on a desktop machine only the shell ends.
echo "simulated-poweroff: the device would power off now" >&2
pkill -TERM -x tarvik || true
