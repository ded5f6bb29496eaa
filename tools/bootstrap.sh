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

bootstrap() {
    local build=$1
    shift
    install_missing cmake make g++ qt6-base-dev fonts-liberation fontconfig
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
}
