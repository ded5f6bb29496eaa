#!/usr/bin/env bash
# Stops the private CUPS scheduler that start.sh started, by its process id.
# Usage: stop.sh DIR
dir=$1
[ -f "$dir/cupsd.pid" ] || exit 0
pid=$(cat "$dir/cupsd.pid")
kill "$pid" 2>/dev/null
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -9 "$pid" 2>/dev/null
rm -f "$dir/cupsd.pid"
exit 0
