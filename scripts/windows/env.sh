# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the Windows scripts: where the Windows Qt is cached. Its folder
# is named after the installed Qt's upstream version, and a stamp inside holds
# the Debian version it was built from, so that a new Qt package means a new
# build.
qt_deb_version="$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)"
qt_version="${qt_deb_version%%+*}"
qt_version="${qt_version#*:}"
qt_version="${qt_version%%-*}"
MIREVA_CACHE="${MIREVA_CACHE:-/var/cache/mireva}"
windows_qt="$MIREVA_CACHE/qt-$qt_version-mingw64"
windows_qt_stamp="$windows_qt/.built-from"

# True when the cached Windows Qt is complete and matches the installed Qt.
windows_qt_ready() {
  [ -n "$qt_deb_version" ] && [ -f "$windows_qt_stamp" ] &&
    [ "$(cat "$windows_qt_stamp")" = "$qt_deb_version" ]
}
