#!/usr/bin/env bash
# Starts the real program on the X display it is given (tests/onDesktop.sh
# starts one) and watches which windows it maps: first the splash
# (481 x 284) alone, still alone after Delete and other keys that type
# nothing, then, after the hand-over keys, the board (393 x 392) alone.
# Usage: programStartsOnSplash.sh BINGO HAND-OVER-KEYS (as xdotool names them: a, alt+F4)
set -euo pipefail
bingo=$1
handOver=$2
command -v xdotool >/dev/null || { echo "xdotool is missing (./check installs it)"; exit 1; }

"$bingo" &
pid=$!
trap 'kill $pid 2>/dev/null' EXIT

# The sizes of the windows the program shows now, one per line.
shown() {
    for window in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        xdotool getwindowgeometry "$window" | sed -n "s/.*Geometry: //p"
    done
}
wait_for() {
    for _ in $(seq 100); do
        [ "$(shown)" = "$1" ] && return 0
        sleep 0.1
    done
    echo "expected only a $1 window, saw: $(shown | tr "\n" " ")"
    return 1
}

for _ in $(seq 100); do [ -n "$(shown)" ] && break; sleep 0.1; done
first=$(shown)
[ "$first" = 481x284 ] || { echo "the first window shown is not the splash: ${first:-none}"; exit 1; }
wait_for 481x284
# Keys that type nothing on the keyboard the game was made for leave it there.
xdotool key Delete Insert Left F1
sleep 0.5
[ "$(shown)" = 481x284 ] || { echo "a key that types nothing handed over"; exit 1; }
xdotool key "$handOver"
wait_for 393x392
echo "splash first, board after $handOver"
