#!/usr/bin/env bash
# Runs a command on a real desktop started for it alone, with its own
# runtime and configuration folders, and stops that desktop by its process
# id when the command ends, passed or failed.
#   x11           X (Xvfb) alone
#   openbox       X (Xvfb) with the openbox window manager
#   gtk-dark      X (Xvfb), GNOME's dark theme through Qt's GTK3 platform theme
#   qt6ct-darker  X (Xvfb), qt6ct's "darker" colour scheme
#   gnome-12pt    X (Xvfb), GNOME's desktop font at 12 pt through the GTK3 theme
#   weston        a headless Weston compositor, Qt on Wayland
#   atspi         X (Xvfb), a private D-Bus session and its accessibility bus,
#                 with Qt's accessibility on
#   wine          X (Xvfb), Windows programs under Wine, in WINEPREFIX, made on first use
#                 as Windows 11, light, or as WINE_LOOK says (win10, win11-dark)
#                 (at WINE_LOGPIXELS dots per inch where set)
# Usage: onDesktop.sh DESKTOP COMMAND [ARGUMENT...]
set -euo pipefail
desktop=$1
shift

private=$(mktemp -d /tmp/bingo-desktop.XXXXXX)
pids=()
groups=()
stop() {
    for group in "${groups[@]}"; do
        kill -- "-$group" 2>/dev/null || true
    done
    [ "$desktop" != wine ] || wineserver -k 2>/dev/null || true
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$private"
}
trap stop EXIT

export XDG_RUNTIME_DIR=$private/runtime XDG_CONFIG_HOME=$private/config
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir "$XDG_CONFIG_HOME"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE GTK_THEME
# GTK looks for no accessibility bus and keeps its settings in memory.
export NO_AT_BRIDGE=1 GSETTINGS_BACKEND=memory

# Waits until the command succeeds, which it does once the server is ready.
# Usage: await SERVER COMMAND [ARGUMENT...]
await() {
    local server=$1
    shift
    for _ in $(seq 100); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "$server did not start"
    cat "$private/$server.log" 2>/dev/null
    exit 1
}

has_owner() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$1" | grep -q true
}

start_x() {
    command -v Xvfb >/dev/null || { echo "Xvfb is missing (./check installs it)"; exit 1; }
    Xvfb -displayfd 3 -screen 0 "${screen:-1024x768x24}" -nolisten tcp -noreset 3>"$private/display" 2>"$private/Xvfb.log" &
    pids+=($!)
    await Xvfb test -s "$private/display"
    export DISPLAY=:$(cat "$private/display") QT_QPA_PLATFORM=xcb
    # The display is named before the server takes clients.
    await Xvfb xprop -root
}

case $desktop in
x11)
    start_x
    ;;
openbox)
    start_x
    openbox --sm-disable >"$private/openbox.log" 2>&1 &
    pids+=($!)
    await openbox sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
    ;;
gtk-dark)
    start_x
    export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
    ;;
qt6ct-darker)
    start_x
    mkdir "$XDG_CONFIG_HOME/qt6ct"
    cat >"$XDG_CONFIG_HOME/qt6ct/qt6ct.conf" <<CONF
[Appearance]
custom_palette=true
color_scheme_path=/usr/share/qt6ct/colors/darker.conf
style=Fusion
CONF
    export QT_QPA_PLATFORMTHEME=qt6ct
    ;;
gnome-12pt)
    start_x
    mkdir "$XDG_CONFIG_HOME/gtk-3.0"
    printf '[Settings]\ngtk-font-name=Liberation Sans 12\n' >"$XDG_CONFIG_HOME/gtk-3.0/settings.ini"
    export QT_QPA_PLATFORMTHEME=gtk3
    ;;
weston)
    command -v weston >/dev/null || { echo "weston is missing (./check installs it)"; exit 1; }
    weston --backend=headless-backend.so --use-pixman --no-config --idle-time=0 --socket=bingo \
        --width=1024 --height=768 >"$private/weston.log" 2>&1 &
    pids+=($!)
    await weston test -S "$XDG_RUNTIME_DIR/bingo"
    export WAYLAND_DISPLAY=bingo QT_QPA_PLATFORM=wayland
    # Under the sanitizers: Mesa's EGL driver, which Qt's Wayland plugin loads,
    # is unloaded before the leak check, and only the slow unwinder follows a
    # leak through its frames to the library that tests/lsan.supp names.
    [ -z "${LSAN_OPTIONS:-}" ] || export LSAN_OPTIONS=$LSAN_OPTIONS:fast_unwind_on_malloc=0
    ;;
atspi)
    start_x
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$private/bus" &
    pids+=($!)
    await dbus-daemon test -s "$private/bus"
    export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$private/bus")
    # The launcher starts the accessibility bus and its registry: one process
    # group, stopped together.
    setsid /usr/libexec/at-spi-bus-launcher --launch-immediately >"$private/at-spi-bus-launcher.log" 2>&1 &
    groups+=($!)
    await at-spi-bus-launcher has_owner org.a11y.Bus
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    ;;
wine)
    # Room for the board at twice the scale; the fonts the program picks. Wine
    # passes QT_ variables on as WINEQT_ ones, and the twins of the Arial faces
    # stand in for them, as Windows has the real ones.
    screen=2048x1536x24 start_x
    export QT_QPA_PLATFORM=windows:fontengine=gdi QT_FORCE_STDERR_LOGGING=1 WINE_LOOK=${WINE_LOOK:-win11} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    for name in $(compgen -e | grep '^QT_'); do export "WINE$name=${!name}"; done
    if [ ! -e "$WINEPREFIX/user.reg" ]; then
        wineboot -i >"$private/wineboot.log" 2>&1
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' >/dev/null
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Arial Narrow' /d 'Liberation Sans Narrow' >/dev/null
        # The Windows, and the apps' dark mode where asked for (Qt reads it as it starts).
        wine winecfg /v "${WINE_LOOK%-dark}" >/dev/null
        [ "$WINE_LOOK" = "${WINE_LOOK%-dark}" ] || wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' \
            /v AppsUseLightTheme /t REG_DWORD /d 0 /f >/dev/null
        # Windows' own scale, read when the prefix's server starts.
        [ -z "${WINE_LOGPIXELS:-}" ] || wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$WINE_LOGPIXELS" /f >/dev/null
        wineserver -w
    fi
    ;;
*)
    echo "no desktop named $desktop"
    exit 1
    ;;
esac

"$@"
