#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and makes the Debian package
# build/mireva_<version>_<arch>.deb (CPack; packaging/Package.cmake). Its
# library dependencies are worked out by dpkg-shlibdeps; the CJK fonts and
# Qt's translations are named. Extra arguments go to the configure step.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/deps.sh"
bash "$here/scripts/build.sh" "$@"
cd "$here/build"
rm -f mireva_*.deb
cpack -G DEB
