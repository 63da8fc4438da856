#!/usr/bin/env bash
# Cross-builds Qt for 64-bit Windows from Debian 12's own qt6-base source,
# with Debian's MinGW-w64, into a fixed prefix that the "windows" presets
# use.  Installs what it needs; does nothing when the prefix already holds
# this version built with these options.
#
# Usage: packaging/windows/build-qt.sh            (prefix: $QT_WINDOWS_PREFIX,
#                                                  default /opt/qt6-mingw-w64)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=${QT_WINDOWS_PREFIX:-/opt/qt6-mingw-w64}
version=6.4.2+dfsg-10

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive

packages=(cmake ninja-build dpkg-dev qt6-base-dev qt6-base-dev-tools
          g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
          wine wine64 nsis xvfb xauth xdotool unzip)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The options, in one place: the stamp records them, so that changing one
# rebuilds.
options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_network=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_jpeg=OFF -DFEATURE_jpeg=OFF
    # Debian's source has no 3rdparty/wintab.
    -DFEATURE_tabletevent=OFF
    # Without OpenGL; qwindowswindow.cpp only compiles so with both of these.
    -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_opengl_dynamic=OFF
)
stamp="$version ${options[*]} $(sha256sum "$here/mingw-w64-x86_64.cmake" | cut -c1-16)"
if [ -f "$prefix/qvrtomorvane-qt.stamp" ] && [ "$(cat "$prefix/qvrtomorvane-qt.stamp")" = "$stamp" ]; then
    echo "Qt $version for Windows is already in $prefix"
    exit 0
fi

# Debian's source packages: the machine's own entries for this release
# (deb822 .sources stanzas and one-line sources.list entries), each once
# more as deb-src, so the source comes from wherever the machine's mirror is.
if ! apt-get source --print-uris "qt6-base=$version" >/dev/null 2>&1; then
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    entries=$("$here/deb-src-entries.sh" "$codename" /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources)
    if [ -z "$entries" ]; then
        echo "build-qt.sh: no apt entry for Debian $codename to take the qt6-base source from" >&2
        exit 1
    fi
    echo "$entries" | "${sudo[@]}" tee /etc/apt/sources.list.d/qvrtomorvane-deb-src.sources >/dev/null
    "${sudo[@]}" apt-get update -q
fi

# The source and the build tree (about 2 GB) go once Qt is installed.
work=$(mktemp -d /var/tmp/qt6-mingw.XXXXXX)
trap 'rm -rf "$work"' EXIT
cd "$work"
apt-get source -q "qt6-base=$version"
source=$(find . -maxdepth 1 -type d -name 'qt6-base-*' | head -1)

cmake -S "$source" -B build -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64-x86_64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}"
cmake --build build --parallel "$(nproc)"
"${sudo[@]}" rm -rf "$prefix"
"${sudo[@]}" cmake --install build
echo "$stamp" | "${sudo[@]}" tee "$prefix/qvrtomorvane-qt.stamp" >/dev/null
echo "Qt $version for Windows installed in $prefix"
