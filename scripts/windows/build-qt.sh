#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt for Windows (x86-64, MinGW-w64) from Debian's own source of the
# installed Qt version, with only what Widgets, PrintSupport and Test need,
# into the cache folder named in env.sh. The installed Linux Qt serves as the
# host tools (moc, rcc, uic). Does nothing when the cache is already complete.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/env.sh"

if windows_qt_ready; then
  echo "Windows Qt $qt_version is ready in $windows_qt"
  exit 0
fi
if [ -z "$qt_version" ]; then
  echo "qt6-base-dev is not installed" >&2
  exit 1
fi

# apt-get source needs a deb-src entry. Copy the machine's own Debian entry
# with its type changed, so that the sources come from wherever the binary
# packages come from.
if ! apt-get source --print-uris qt6-base="$qt_deb_version" >/dev/null 2>&1; then
  own=/etc/apt/sources.list.d/debian.sources
  src=/etc/apt/sources.list.d/mireva-deb-src.sources
  if [ -f "$own" ]; then
    sed -e 's/^Types:.*/Types: deb-src/' "$own" >"$src"
  elif [ -f /etc/apt/sources.list ]; then
    grep -E '^deb ' /etc/apt/sources.list | sed -e 's/^deb /deb-src /' \
      >/etc/apt/sources.list.d/mireva-deb-src.list
  else
    echo "No apt source entry to copy for the Qt source" >&2
    exit 1
  fi
  apt-get -o DPkg::Lock::Timeout=300 update -qq
fi

work="$MIREVA_CACHE/qt-$qt_version-work"
rm -rf "$work" "$windows_qt"
mkdir -p "$work"
cd "$work"
apt-get source --download-only qt6-base="$qt_deb_version" >/dev/null
dpkg-source --no-check -x ./qt6-base_*.dsc source >/dev/null

jobs="${MIREVA_JOBS:-$(nproc)}"
# Through the compiler cache where it is installed, so that a build broken
# off and started again compiles only what it had not reached. Qt compiles
# most files with a precompiled header, which the cache takes only when told
# to overlook the macros and time stamps it cannot check.
ccache=()
if command -v ccache >/dev/null; then
  ccache=(-ccache)
  export CCACHE_SLOPPINESS=pch_defines,time_macros
fi
mkdir build
cd build
# Debian's source lacks the pen-tablet headers, hence no tablet events.
# Direct2D stays on: without it Qt6PrintSupport does not link.
nice -n 15 ../source/configure \
  -prefix "$windows_qt" \
  -release -shared -xplatform win32-g++ \
  -qt-host-path /usr \
  -nomake examples -nomake tests \
  -no-icu -no-zstd -no-dbus -no-opengl -no-openssl \
  -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-freetype -qt-harfbuzz \
  -no-feature-tabletevent \
  -no-feature-network -no-feature-sql -no-feature-concurrent -no-feature-xml \
  "${ccache[@]}" \
  -- \
  -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw64.cmake" \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
nice -n 15 cmake --build . --parallel "$jobs"
cmake --install .
echo "$qt_deb_version" >"$windows_qt_stamp"
cd /
rm -rf "$work"
echo "Windows Qt $qt_version built into $windows_qt"
