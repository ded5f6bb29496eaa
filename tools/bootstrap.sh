# Sourced by ./play and ./check: installs the Debian packages the game needs
# to build where they are missing, then configures out of tree.
# Usage: bootstrap BUILD-DIR [CMAKE-OPTION...]

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing ${missing[*]}"
        as_root apt-get update -q
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
    fi
}

# Prints the package's name where this release offers it, else nothing.
offered() {
    [ -n "$(ls /var/lib/apt/lists/ 2>/dev/null | grep _Packages)" ] || as_root apt-get update -q >&2
    apt-cache show "$1" >/dev/null 2>&1 && echo "$1"
}

bootstrap() {
    local build=$1
    shift
    # Liberation Sans Narrow, the board's face, has a package of its own
    # where fonts-liberation 2 no longer carries it.
    install_missing cmake make g++ qt6-base-dev libcups2-dev fonts-liberation $(offered fonts-liberation-sans-narrow) fontconfig
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
}
