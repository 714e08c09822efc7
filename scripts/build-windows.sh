#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Mireva for Windows (x86-64) on Debian: installs what is missing,
# builds Qt for Windows once into a cache folder (scripts/windows/build-qt.sh),
# cross-builds the program with warnings as errors, gathers every DLL and
# plugin it loads, and writes to dist/ a portable zip and an installer:
#   dist/Mireva-<version>-win64.zip
#   dist/Mireva-<version>-win64-setup.exe
# The test program test_all_drills is built alongside, for the check under
# Wine (scripts/check-windows.sh).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"

bash scripts/deps.sh g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix ninja-build dpkg-dev nsis zip

source scripts/windows/env.sh
bash scripts/windows/build-qt.sh

version="$(sed -n 's/^project(Mireva VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
build="$here/build-windows"
export MIREVA_WINDOWS_QT="$windows_qt"
cmake -S . -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$here/scripts/windows/mingw64.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$windows_qt" \
  -DQt6_DIR="$windows_qt/lib/cmake/Qt6" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DMIREVA_WARNINGS_AS_ERRORS=ON \
  -DMIREVA_BUILD_BENCH=OFF
nice -n 15 cmake --build "$build" --target mireva test_all_drills --parallel "${MIREVA_JOBS:-$(nproc)}"

# The portable folder: the program, the Qt plugins it loads, Qt's Chinese
# texts, and every DLL these need that Windows itself does not have.
name="Mireva-$version-win64"
stage="$build/stage/$name"
rm -rf "$build/stage"
mkdir -p "$stage/translations"
cp "$build/src/mireva.exe" "$stage/"
x86_64-w64-mingw32-strip --strip-unneeded "$stage/mireva.exe"
plugins=(
  platforms/qwindows.dll        # the windows on screen
  styles/qwindowsvistastyle.dll # Windows' own look
  imageformats/qgif.dll         # the flowers (GIF)
  imageformats/qico.dll         # the icon (ICO); BMP is built into Qt Gui
)
for plugin in "${plugins[@]}" $(cd "$windows_qt/plugins" && ls printsupport/*.dll 2>/dev/null); do
  mkdir -p "$stage/$(dirname "$plugin")"
  cp "$windows_qt/plugins/$plugin" "$stage/$plugin"
done
cp /usr/share/qt6/translations/qtbase_zh_CN.qm "$stage/translations/"

# The DLLs are found by following each file's imports; what none of these
# folders holds is Windows' own.
dll_dirs=(
  "$windows_qt/bin"
  "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
  /usr/x86_64-w64-mingw32/lib
)
imports() {
  x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'
}
queue=("$stage/mireva.exe" $(find "$stage" -name '*.dll'))
while [ ${#queue[@]} -gt 0 ]; do
  file="${queue[0]}"
  queue=("${queue[@]:1}")
  for dll in $(imports "$file"); do
    [ -e "$stage/$dll" ] && continue
    for dir in "${dll_dirs[@]}"; do
      if [ -f "$dir/$dll" ]; then
        cp "$dir/$dll" "$stage/$dll"
        queue+=("$stage/$dll")
        break
      fi
    done
  done
done
# Debug symbols are of no use to a teacher and make up most of the size.
find "$stage" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
echo "Gathered into $name:"
(cd "$stage" && find . -type f | sort | sed 's|^\./|  |')

mkdir -p dist
rm -f "dist/$name.zip" "dist/$name-setup.exe"
(cd "$build/stage" && zip -q -r -9 "$here/dist/$name.zip" "$name")

# The installer installs exactly the portable folder's files and removes
# exactly those again.
nsh="$build/stage/files.nsh"
files="$(cd "$stage" && find . -type f | sed 's|^\./||' | sort)"
windows_path() { echo "\$INSTDIR$(echo "/$1" | sed 's|/\.$||;s|/|\\|g')"; }
{
  echo '!macro InstallFiles'
  for file in $files; do
    echo "  SetOutPath \"$(windows_path "$(dirname "$file")")\""
    echo "  File \"$stage/$file\""
  done
  echo '!macroend'
  echo '!macro UninstallFiles'
  for file in $files; do
    echo "  Delete \"$(windows_path "$file")\""
  done
  for dir in $(cd "$stage" && find . -mindepth 1 -type d | sed 's|^\./||' | sort -r); do
    echo "  RMDir \"$(windows_path "$dir")\""
  done
  echo '!macroend'
} >"$nsh"
makensis -V2 -INPUTCHARSET UTF8 \
  -DVERSION="$version" \
  -DFILES="$nsh" \
  -DICON="$here/assets/icon.ico" \
  -DOUTFILE="$here/dist/$name-setup.exe" \
  scripts/windows/installer.nsi

ls -l "dist/$name.zip" "dist/$name-setup.exe"
