#!/usr/bin/env bash
# Plays a card in the real program with the mouse, reads it as Windows'
# screen readers do, and prints it through Wine's printing to the private
# scheduler (CUPS_SERVER): the page shows the grid at its true width, 3.75
# inches, and the numbers as text in their face.
# Usage: printedUnderWine.sh BINGO.EXE PRINT-DIR UIAUTOMATION.EXE
set -euo pipefail
page=$2/out/page.ps
# xdotool's search fails when a window goes while it looks: it looks again.
shown() { for _ in $(seq 100); do xdotool search --onlyvisible "$@" 2>/dev/null && return; sleep 0.2; done; return 1; }
wine "$1" &
shown --class bingo.exe >/dev/null
# The splash may show before it takes keys; once it hands over, "a" does nothing.
for _ in $(seq 100); do
    xdotool key a || true
    board=$(xdotool search --onlyvisible --name '^Ventaro!$' 2>/dev/null | head -n 1) && [ -n "$board" ] && break
    sleep 0.2
done
click() { xdotool mousemove --window "$board" "$1" "$2" click 1 sleep 0.3; }
click 68 364 && shown --name '^Give me information!$' >/dev/null && sleep 0.5 && xdotool key Return
click 55 79 && click 199 191 && click 343 303
# Over UI Automation the cells are check boxes named as Linux's screen
# readers hear them, in the grid's order, and the buttons are buttons.
read=$(wine "$3" 'Ventaro!' | tr -d '\r')
cells=$(for letter in Б И Н Г О; do for row in 1 2 3 4 5; do echo "CheckBox $letter, row $row, #"; done; done)
[ "$(grep ^CheckBox <<<"$read" | sed 's/, [0-9]*$/, #/')" = "$cells" ] && [ "$(grep ^Button <<<"$read" | sort | tr '\n' ,)" = \
    "Button Another,Button New...,Button Print," ] || { echo "read over UI Automation: $read"; exit 1; }
: >"$page" && click 324 364
for _ in $(seq 100); do [ -s "$page" ] && [ -z "$(lpstat -o)" ] && break; sleep 0.2; done
gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pnggray -r96 -sOutputFile="$2/out/page.png" "$page"
width=$(convert "$2/out/page.png" -threshold 50% -trim -format %w info:)
echo "the grid $width pixels wide at 96 dpi"
[ "$width" -ge 360 ] && [ "$width" -le 362 ] && grep -aq '/FontName /LiberationSansNarrow' "$page"
