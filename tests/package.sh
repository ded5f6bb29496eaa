#!/usr/bin/env bash
# The desktop entry and the metainfo pass the ecosystem's validators, and the
# .deb installs into a scratch root with every file where the entry points.
# Usage: package.sh BUILD-DIR SOURCE-DIR
set -euo pipefail
build=$1
source=$2
id=net.ventaro.bingo
for tool in desktop-file-validate appstreamcli dpkg-shlibdeps lintian; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (./check installs it)"; exit 1; }
done

# Errors and warnings fail, but one: AppStream 1.0 and later warn that no
# homepage is listed, and the program has no web address of its own yet.
validate_metainfo() {
    local findings
    findings=$(appstreamcli validate --no-net "$1" | grep -E '^[EW]:' | grep -v -E '^W: [^ ]+ url-homepage-missing$' || true)
    [ -z "$findings" ] || { echo "$findings"; exit 1; }
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

desktop-file-validate "$source/data/$id.desktop"
validate_metainfo "$source/data/$id.metainfo.xml"

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" || { cat "$work/cpack.log"; exit 1; }
deb=$(echo "$work"/out/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6printsupport6 libcups2 fonts-liberation fonts-liberation-sans-narrow; do
    [[ $depends == *"$package"* ]] || { echo "the package does not depend on $package: $depends"; exit 1; }
done

[[ $(dpkg-deb -f "$deb" Recommends) == *qt6-wayland* ]] || { echo "the package does not recommend qt6-wayland"; exit 1; }
# Debian's own checks: its copyright, changelog, description, manual page, games in /usr/games.
lintian --fail-on error,warning "$deb"

root=$work/root
dpkg -x "$deb" "$root"
entry=$root/usr/share/applications/$id.desktop
desktop-file-validate "$entry"
validate_metainfo "$root/usr/share/metainfo/$id.metainfo.xml"

# What the entry names must be installed.
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
icon_name=$(sed -n 's/^Icon=//p' "$entry")
[ -x "$root/usr/games/$exec_name" ] || { echo "Exec=$exec_name is not in usr/games"; exit 1; }
for size in 32 64; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon_name.png
    [ -f "$icon" ] || { echo "no ${size}x${size} icon $icon_name"; exit 1; }
    file "$icon" | grep -q "$size x $size" || { echo "the ${size}x${size} icon is $(file -b "$icon")"; exit 1; }
done
echo "the package passes lintian and installs usr/games/$exec_name, its entry, its metainfo and both icons"
