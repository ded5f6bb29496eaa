#!/usr/bin/env bash
# Plays a card in the real program with the mouse and prints it through
# Wine's printing to the private scheduler (CUPS_SERVER): the page shows the
# grid at its true width, 3.75 inches, and the numbers as text in their face.
# Usage: printedUnderWine.sh BINGO.EXE PRINT-DIR
set -euo pipefail
page=$2/out/page.ps
wine "$1" &
xdotool search --sync --onlyvisible --class bingo.exe >/dev/null && xdotool key a
board=$(xdotool search --sync --onlyvisible --name '^Ventaro!$')
click() { xdotool mousemove --window "$board" "$1" "$2" click 1 sleep 0.3; }
click 68 364 && xdotool search --sync --onlyvisible --name '^Give me information!$' >/dev/null && xdotool key Return
click 55 79 && click 199 191 && click 343 303 && : >"$page" && click 324 364
for _ in $(seq 100); do [ -s "$page" ] && [ -z "$(lpstat -o)" ] && break; sleep 0.2; done
gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pnggray -r96 -sOutputFile="$2/out/page.png" "$page"
width=$(convert "$2/out/page.png" -threshold 50% -trim -format %w info:)
echo "the grid $width pixels wide at 96 dpi"
[ "$width" -ge 360 ] && [ "$width" -le 362 ] && grep -aq '/FontName /LiberationSansNarrow' "$page"
