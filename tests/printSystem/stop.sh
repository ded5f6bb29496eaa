#!/usr/bin/env bash
# Stops the private CUPS scheduler that start.sh started, by its process id,
# and removes its files.
# Usage: stop.sh DIR
dir=$1
if [ -f "$dir/cupsd.pid" ]; then
    pid=$(cat "$dir/cupsd.pid")
    # A stale pid from an earlier run may belong to another process by now.
    [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = cupsd ] || pid=
fi
if [ -n "${pid:-}" ]; then
    kill "$pid" 2>/dev/null
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null
fi
if [ -L "$dir" ]; then
    rm -rf "$(readlink "$dir")"
fi
rm -rf "$dir"
exit 0
