#!/usr/bin/env bash
# Starts the real program in a virtual X server and watches which windows it
# maps: first the splash (481 x 284) alone, still alone after Delete and
# other keys that type nothing, then, after a letter, the board
# (393 x 392) alone.
set -euo pipefail
bingo=$1
for tool in xvfb-run xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (./check installs it)"; exit 1; }
done

export bingo
exec xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -u
    "$bingo" &
    pid=$!
    trap "kill $pid 2>/dev/null" EXIT

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
    xdotool key a
    wait_for 393x392
    echo "splash first, board after a key"
'
