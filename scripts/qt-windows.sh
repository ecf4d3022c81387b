# SPDX-FileCopyrightText: 2026 L'équipe Zelmo
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the Windows scripts: where Qt for Windows (a static Qt built with
# MinGW-w64) comes from. It is taken from, in turn: $ZELMO_QT_WINDOWS (an installed
# Qt), the archive named by $ZELMO_QT_WINDOWS_ARCHIVE (a .tar.xz holding
# qt-mingw/), the copy kept in the cache folder ($ZELMO_CACHE, ~/.cache/zelmo by
# default), or else it is built from Debian's own qt6-base source (about 45 minutes
# on 2 cores) and kept there.

qt_version=6.4.2
cache="${ZELMO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zelmo}"
qt_cached="$cache/qt-$qt_version-mingw-w64-static"

# The installed Qt for Windows to build with; empty when none is at hand.
qt_at_hand() {
    if [ -n "${ZELMO_QT_WINDOWS:-}" ]; then
        echo "$ZELMO_QT_WINDOWS"
    elif [ -n "${ZELMO_QT_WINDOWS_ARCHIVE:-}" ] && [ -r "$ZELMO_QT_WINDOWS_ARCHIVE" ]; then
        local sum
        sum=$(sha256sum "$ZELMO_QT_WINDOWS_ARCHIVE" | cut -c1-16)
        echo "$cache/qt-archive-$sum/qt-mingw"
    elif [ -f "$qt_cached/qt-mingw/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
        echo "$qt_cached/qt-mingw"
    fi
}

unpack_archive() {
    local folder=$1
    [ -f "$folder/lib/cmake/Qt6/qt.toolchain.cmake" ] && return
    echo "Unpacking Qt for Windows from $ZELMO_QT_WINDOWS_ARCHIVE"
    local parent
    parent=$(dirname "$folder")
    rm -rf "$parent.partial"
    mkdir -p "$parent.partial"
    tar -C "$parent.partial" -xJf "$ZELMO_QT_WINDOWS_ARCHIVE"
    rm -rf "$parent"
    mv "$parent.partial" "$parent"
}

# Builds Qt for Windows from Debian's qt6-base source into the cache folder. The
# source comes through a private apt configuration: the system's own sources,
# signed by the same keys, as deb-src, without touching the system's lists.
build_qt_from_source() {
    install_packages dpkg-dev debian-archive-keyring
    local work="$cache/qt-source-build"
    rm -rf "$work"
    mkdir -p "$work/apt/sources.list.d" "$work/apt/lists/partial" "$work/apt/cache/archives/partial"
    local sources
    for sources in /etc/apt/sources.list.d/*.sources; do
        [ -f "$sources" ] && sed 's/^Types: deb$/Types: deb-src/' "$sources" \
            >"$work/apt/sources.list.d/$(basename "$sources")"
    done
    for sources in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$sources" ] && sed -n 's/^deb /deb-src /p' "$sources" \
            >>"$work/apt/sources.list.d/legacy.list"
    done
    local apt_options=(-o "Dir::Etc::SourceList=/dev/null"
        -o "Dir::Etc::SourceParts=$work/apt/sources.list.d"
        -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache")
    apt-get "${apt_options[@]}" update -qq
    (cd "$work" && apt-get "${apt_options[@]}" source -qq qt6-base)

    local source
    source=$(find "$work" -maxdepth 1 -type d -name "qt6-base-*" | head -n 1)
    # Debian's source leaves out the Wintab header; the Windows platform plugin of
    # this version needs OpenGL, which stays on (loaded dynamically).
    cmake -G Ninja -S "$source" -B "$work/build" \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-toolchain.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_INSTALL_PREFIX="$qt_cached.partial/qt-mingw" -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_SHARED_LIBS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_vulkan=OFF \
        -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_tabletevent=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF \
        -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_png=OFF
    cmake --build "$work/build"
    rm -rf "$qt_cached.partial"
    cmake --install "$work/build"
    rm -rf "$qt_cached"
    mv "$qt_cached.partial" "$qt_cached"
    rm -rf "$work"
}

# Sets ZELMO_QT_WINDOWS to a Qt for Windows ready to build with: unpacked from the
# archive, or built from source when none is at hand.
provide_qt_windows() {
    local qt
    qt=$(qt_at_hand)
    if [ -z "$qt" ]; then
        echo "No Qt for Windows at hand: building it from Debian's source (about 45 minutes)"
        build_qt_from_source
        qt="$qt_cached/qt-mingw"
    elif [ -n "${ZELMO_QT_WINDOWS_ARCHIVE:-}" ] && [ -z "${ZELMO_QT_WINDOWS:-}" ]; then
        unpack_archive "$qt"
    fi
    export ZELMO_QT_WINDOWS="$qt"
    echo "Qt for Windows: $ZELMO_QT_WINDOWS"
}
