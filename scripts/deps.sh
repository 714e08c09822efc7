#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when
# they are missing.
set -euo pipefail

packages=(
  cmake make g++ pkg-config clang-format git
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  fonts-noto-cjk fonts-arphic-uming
  cups libcups2-dev printer-driver-cups-pdf poppler-utils ghostscript
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
