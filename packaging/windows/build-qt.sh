#!/usr/bin/env bash
# Builds Qt's base modules for 64-bit Windows from Debian's source package of qt6-base, with
# MinGW-w64, against the Qt of the same version installed here, whose tools (moc, rcc, uic) run
# on this machine: build-qt.sh SOURCE_DIR BUILD_DIR INSTALL_DIR
# Only what the program needs is built: Core, Gui, Widgets and the Windows platform plugin,
# with accessibility through UI Automation.
set -euo pipefail
readonly source=$1 build=$2 install=$3
readonly here=$(cd "$(dirname "$0")" && pwd)

cmake --fresh -S "$source" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    -DCMAKE_INSTALL_PREFIX="$install" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DQT_UNITY_BUILD=ON -DFEATURE_accessibility=ON \
    -DFEATURE_concurrent=OFF -DFEATURE_dbus=OFF -DFEATURE_network=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_sql=OFF -DFEATURE_testlib=OFF -DFEATURE_xml=OFF -DFEATURE_zstd=OFF \
    -DFEATURE_process=OFF -DFEATURE_sharedmemory=OFF -DFEATURE_systemsemaphore=OFF \
    -DFEATURE_filesystemwatcher=OFF -DFEATURE_mimetype=OFF -DFEATURE_jalalicalendar=OFF \
    -DFEATURE_islamiccivilcalendar=OFF \
    -DINPUT_opengl=no -DFEATURE_vulkan=OFF -DFEATURE_harfbuzz=OFF -DFEATURE_freetype=OFF \
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_movie=OFF -DFEATURE_pdf=OFF \
    -DFEATURE_imageformat_bmp=OFF -DFEATURE_imageformat_ppm=OFF -DFEATURE_imageformat_xbm=OFF \
    -DFEATURE_textmarkdownreader=OFF \
    -DFEATURE_textmarkdownwriter=OFF -DFEATURE_textodfwriter=OFF -DFEATURE_systemtrayicon=OFF \
    -DFEATURE_sessionmanager=OFF -DFEATURE_graphicsframecapture=OFF -DFEATURE_tabletevent=OFF \
    -DFEATURE_style_windowsvista=OFF -DFEATURE_style_windows11=OFF \
    -DFEATURE_calendarwidget=OFF -DFEATURE_datetimeedit=OFF -DFEATURE_dial=OFF \
    -DFEATURE_lcdnumber=OFF -DFEATURE_mdiarea=OFF -DFEATURE_toolbox=OFF -DFEATURE_wizard=OFF \
    -DFEATURE_fontdialog=OFF -DFEATURE_colordialog=OFF -DFEATURE_filedialog=OFF \
    -DFEATURE_inputdialog=OFF -DFEATURE_splashscreen=OFF -DFEATURE_syntaxhighlighter=OFF \
    -DFEATURE_textbrowser=OFF -DFEATURE_columnview=OFF -DFEATURE_undoview=OFF \
    -DFEATURE_keysequenceedit=OFF -DFEATURE_scroller=OFF -DFEATURE_gestures=OFF \
    -DFEATURE_fontcombobox=OFF -DFEATURE_graphicsview=OFF -DFEATURE_graphicseffect=OFF
cmake --build "$build"
cmake --install "$build"
