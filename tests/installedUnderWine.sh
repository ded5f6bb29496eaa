#!/usr/bin/env bash
# Installs the installer silently in a fresh Wine prefix (onDesktop.sh wine), starts the game from
# its shortcut, uninstalls it silently: nothing of it may be left. Usage: installedUnderWine.sh INSTALLER
set -euo pipefail
trap 'wineserver -k; rm -rf "$WINEPREFIX"' EXIT
drive=$WINEPREFIX/drive_c
folder=$drive/Program\ Files/Ventaro/Bingo
shortcut=$drive/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Ventaro/Bingo.lnk
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Bingo'
entry='(DisplayName +REG_SZ +Bingo|Publisher +REG_SZ +Ventaro|DisplayVersion +REG_SZ +1\.2|DisplayIcon +REG_SZ +.*\\bingo\.exe)$'
wine "$1" /S
(cd "$folder" && ls bingo.exe Qt6Widgets.dll platforms/qwindows.dll styles/qmodernwindowsstyle.dll libstdc++-6.dll licence.txt "$shortcut")
[ "$(wine reg query "$key" | tr -d '\r' | grep -cE "$entry")" -eq 4 ] || { echo "the uninstall entry is wrong"; exit 1; }
wine start "$(winepath -w "$shortcut")"
timeout 20 bash -c 'until xdotool search --onlyvisible --class bingo.exe getwindowgeometry 2>/dev/null | grep -q 481x284; do sleep 0.2; done'
wineserver -k && wine "$folder/Uninstall.exe" /S && wineserver -w
left=$(find "$drive" -ipath '*ventaro*'
       for k in "$key" 'HKLM\Software\Ventaro'; do wine reg query "$k" >/dev/null 2>&1 && echo "$k"; done) || true
[ -z "$left" ] || { echo "left after uninstalling: $left"; exit 1; }
