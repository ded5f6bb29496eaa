#!/usr/bin/env bash
# Makes Qt for 64-bit Windows from the source of this release's own Qt
# (Debian's qt6-base), with Debian's MinGW-w64 and posix threads: shared
# release DLLs of the modules the game and its tests use, with the windows
# platform, the Windows styles and the Windows print support. It is kept as
# a tarball in ~/.cache/bingo-qt-windows/ and made again where missing. It
# prints the tarball's path; everything else it says goes to stderr.
#   tools/windowsQt.sh
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/bootstrap.sh
install_missing g++-mingw-w64-x86-64-posix cmake ninja-build qt6-base-dev qt6-base-dev-tools dpkg-dev xz-utils >&2

# Direct2D stays on: PrintSupport and the windows platform call the
# DirectWrite classes Gui builds only with it; its platform plugin, a second
# windows platform, goes. Tablets go: Debian's source leaves out the Wintab
# header their support needs. FreeType goes with the offscreen platform, and
# with them every module and feature that neither the game nor its tests
# use. Sources are compiled a batch at a time (a unity build).
options=(-release -shared -nomake tests -nomake examples -unity-build
    -no-opengl -no-dbus -no-libjpeg -no-gif -no-ico -no-freetype -qt-zlib -qt-libpng -qt-harfbuzz -qt-pcre)
for feature in sql network xml concurrent tabletevent vulkan direct2d1_1 mdiarea dockwidget calendarwidget \
    datetimeedit colordialog fontdialog wizard errormessage progressdialog progressbar undocommand undostack \
    undogroup undoview printpreviewdialog printpreviewwidget printdialog textmarkdownreader textmarkdownwriter \
    textodfwriter tablewidget treewidget listwidget columnview lcdnumber dial keysequenceedit fontcombobox toolbox \
    textbrowser syntaxhighlighter scroller splashscreen statusbar formlayout systemtrayicon sessionmanager movie \
    mimetype commandlineparser itemmodeltester testlib_selfcover; do
    options+=(-no-feature-$feature)
done
# What the game and its tests do use, and the Windows styles' own needs,
# so that no feature left out takes one of them along.
for feature in filedialog messagebox printer pdf accessibility lineedit mainwindow toolbar graphicsview \
    graphicseffect tabwidget tableview textedit inputdialog; do
    options+=(-feature-$feature)
done

version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/bingo-qt-windows
# Named after its source and its options: other options make another Qt.
tarball=$cache/qt6-base-$version-windows-x86_64-$(echo "${options[*]}" | sha256sum | cut -c1-8).tar.gz
if [ ! -f "$tarball" ]; then
    mkdir -p "$cache"
    work=$(mktemp -d "$cache/made.XXXXXX")
    trap 'rm -rf "$work"' EXIT
    # The source of the Qt installed here, from the mirrors apt already uses,
    # through a private list: nothing in /etc/apt changes.
    apt=(-o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=- -o Dir::State::Lists="$work/lists"
         -o APT::Sandbox::User=root)
    mkdir -p "$work/lists/partial" "$work/source"
    apt-get indextargets --format 'deb-src $(REPO_URI) $(RELEASE) $(COMPONENT)' 'Created-By: Packages' | sort -u >"$work/sources.list"
    apt-get "${apt[@]}" update -q >/dev/null
    (cd "$work/source" && apt-get "${apt[@]}" source -q --only-source "qt6-base=$version" >/dev/null)
    echo "Making Qt $version for Windows: about a quarter of an hour on two cores" >&2
    mkdir "$work/build"
    tree=$PWD
    (cd "$work/build" && "$work"/source/qt6-base-*/configure -prefix "$work/qt" -xplatform win32-g++ \
        -qt-host-path /usr "${options[@]}" -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$tree/tools/mingw-w64.cmake" \
        -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -q DEB_HOST_MULTIARCH 2>/dev/null)/cmake" >"$work/configure.log" 2>&1) \
        || { tail -n 30 "$work/build/configure.log" "$work/configure.log" 2>/dev/null; exit 1; } >&2
    cmake --build "$work/build" -j "$(nproc)" >"$work/build.log" 2>&1 || { tail -n 30 "$work/build.log"; exit 1; } >&2
    cmake --install "$work/build" --strip >/dev/null
    # MinGW's runtime, which every DLL here loads, kept beside them without
    # its debugging symbols.
    for runtime in libstdc++-6 libgcc_s_seh-1 libwinpthread-1; do
        x86_64-w64-mingw32-strip -o "$work/qt/bin/$runtime.dll" "$(x86_64-w64-mingw32-g++-posix -print-file-name=$runtime.dll)"
    done
    tar -C "$work/qt" -czf "$tarball.part" . && mv "$tarball.part" "$tarball"
fi
echo "$tarball"
