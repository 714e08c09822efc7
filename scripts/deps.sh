#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running, testing and packaging
# need, when they are missing. desktop-file-utils and appstream validate the
# installed menu entry and AppStream data; dpkg-dev works out the package's
# library dependencies; ccache is the compiler cache every build uses where
# it is installed. Packages named as arguments are installed too, for the
# scripts that need more (the Windows build, the package check).
set -euo pipefail

packages=(
  cmake make g++ clang pkg-config clang-format git ccache
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  fonts-noto-cjk fonts-arphic-uming fonts-dejavu-core
  cups libcups2-dev printer-driver-cups-pdf poppler-utils ghostscript
  xvfb xauth
  desktop-file-utils appstream dpkg-dev
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  # Others may be using apt on the same machine: wait for their lock.
  apt-get -o DPkg::Lock::Timeout=300 update -qq
  apt-get -o DPkg::Lock::Timeout=300 install -y -qq --no-install-recommends "${missing[@]}"
fi
