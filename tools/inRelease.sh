#!/usr/bin/env bash
# Runs a command of this tree, as root, in a fresh minimal root of another
# Debian release: the committed tree, cloned in as CI sees it, or with
# --this-tree this tree itself, so that what the command builds stays here.
#   tools/inRelease.sh trixie ./check
#   tools/inRelease.sh forky ./check --sanitize
#   tools/inRelease.sh --this-tree trixie ./check --windows
# The release's root is made once with debootstrap, from the mirror this
# machine's apt uses, and kept as a tarball in ~/.cache/bingo-roots; each run
# unpacks it afresh and removes it afterwards, pass or fail. The exit status
# is the command's.
set -euo pipefail
arguments=("$@")
tree=clone
[ "${1:-}" != --this-tree ] || { tree=this; shift; }
[ $# -ge 2 ] || { echo "usage: tools/inRelease.sh RELEASE COMMAND [ARGUMENT...]" >&2; exit 2; }
release=$1
shift
cd "$(dirname "$0")/.."
. tools/bootstrap.sh
[ "$(id -u)" -eq 0 ] || exec sudo --preserve-env=CI,FUZZ_RUNS "$0" "${arguments[@]}"
install_missing debootstrap

cache=${XDG_CACHE_HOME:-$HOME/.cache}/bingo-roots
tarball=$cache/$release.tar
if [ ! -f "$tarball" ]; then
    . /etc/os-release
    mirror=$(apt-get indextargets --format '$(REPO_URI)' "Release: $VERSION_CODENAME" | head -n 1)
    [ -n "$mirror" ] || { echo "no Debian mirror for $VERSION_CODENAME in this machine's apt sources" >&2; exit 1; }
    # A release newer than this debootstrap knows is made as unstable is.
    script=/usr/share/debootstrap/scripts/$release
    [ -e "$script" ] || script=/usr/share/debootstrap/scripts/sid
    mkdir -p "$cache"
    made=$(mktemp -d "$cache/$release.XXXXXX")
    trap 'rm -rf "$made"' EXIT
    echo "Making a $release root from $mirror"
    debootstrap --variant=minbase "$release" "$made" "$mirror" "$script" >"$made.log" 2>&1 \
        || { tail -n 20 "$made.log"; rm -f "$made.log"; exit 1; }
    rm -f "$made.log"
    # Testing's Release file is valid for a week only, and a mirror that is
    # a snapshot outlives that: this root is thrown away after each run.
    chmod 755 "$made"
    echo 'Acquire::Check-Valid-Until "false";' >"$made/etc/apt/apt.conf.d/99bingo-no-valid-until"
    tar -C "$made" -cf "$tarball.part" . && mv "$tarball.part" "$tarball"
    rm -rf "$made"
    trap - EXIT
fi

root=$(mktemp -d /tmp/bingo-$release.XXXXXX)
# Pass or fail: every process started inside is ended, every mount under the
# root undone, deepest first, and the root removed.
finish() {
    local signal pid
    for signal in TERM KILL; do
        for pid in $(ls /proc | grep -E '^[0-9]+$'); do
            [ "$(readlink "/proc/$pid/root" 2>/dev/null)" = "$root" ] && kill -"$signal" "$pid" 2>/dev/null
        done
        sleep 1
    done
    mounts() { awk -v root="$root" '$2 == root || index($2, root "/") == 1 { print $2 }' /proc/mounts | sort -r; }
    mounts | while read -r mount; do umount "$mount" 2>/dev/null || umount -l "$mount"; done
    # A mount left would take this tree or the cache with the root.
    [ -z "$(mounts)" ] && rm -rf --one-file-system "$root" || echo "$root is still mounted: left in place" >&2
}
trap finish EXIT
tar -C "$root" -xf "$tarball"
chmod 755 "$root"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# The root goes after the run: dpkg need not sync each file it unpacks there.
echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/bingo-unsafe-io"
for mount in proc sys dev dev/pts dev/shm; do
    mount --bind "/$mount" "$root/$mount"
done
# Qt for Windows, made once (tools/windowsQt.sh), is kept on this machine.
qt=${XDG_CACHE_HOME:-$HOME/.cache}/bingo-qt-windows
mkdir -p "$qt" "$root/root/.cache/bingo-qt-windows"
mount --bind "$qt" "$root/root/.cache/bingo-qt-windows"
if [ $tree = this ]; then
    mkdir "$root/bingo"
    mount --bind . "$root/bingo"
else
    git clone -q . "$root/bingo"
fi

grep -h '^PRETTY_NAME=' "$root/etc/os-release"
chroot "$root" env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 ${CI:+CI=$CI} ${FUZZ_RUNS:+FUZZ_RUNS=$FUZZ_RUNS} \
    bash -c 'cd /bingo && exec "$@"' bash "$@"
