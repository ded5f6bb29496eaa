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

# Waits until the file holds something, as a server writes it once it is ready.
await() {
    for _ in $(seq 100); do
        [ -s "$1" ] && return 0
        sleep 0.1
    done
    echo "$2 did not start"
    exit 1
}

start_x() {
    command -v Xvfb >/dev/null || { echo "Xvfb is missing (./check installs it)"; exit 1; }
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$private/display" 2>"$private/xvfb.log" &
    pids+=($!)
    await "$private/display" Xvfb
    export DISPLAY=:$(cat "$private/display") QT_QPA_PLATFORM=xcb
    # The display is named before the server takes clients; wait until it does.
    for _ in $(seq 100); do
        xprop -root >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "Xvfb took no client"
    exit 1
}

case $desktop in
x11)
    start_x
    ;;
openbox)
    start_x
    openbox --sm-disable >"$private/openbox.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
        sleep 0.1
    done
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
    for _ in $(seq 100); do
        [ -S "$XDG_RUNTIME_DIR/bingo" ] && break
        sleep 0.1
    done
    [ -S "$XDG_RUNTIME_DIR/bingo" ] || { cat "$private/weston.log"; echo "weston did not start"; exit 1; }
    export WAYLAND_DISPLAY=bingo QT_QPA_PLATFORM=wayland
    ;;
atspi)
    start_x
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$private/bus" &
    pids+=($!)
    await "$private/bus" dbus-daemon
    export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$private/bus")
    # The launcher starts the accessibility bus and its registry: one process
    # group, stopped together.
    setsid /usr/libexec/at-spi-bus-launcher --launch-immediately >"$private/atspi.log" 2>&1 &
    groups+=($!)
    for _ in $(seq 100); do
        dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true && break
        sleep 0.1
    done
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    unset NO_AT_BRIDGE
    ;;
*)
    echo "no desktop named $desktop"
    exit 1
    ;;
esac

"$@"
