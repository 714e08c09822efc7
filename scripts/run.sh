#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and starts Mireva. Sheet files are written
# to the directory the program is started from.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/deps.sh"
bash "$here/scripts/build.sh"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$here/build/src/mireva"
else
  echo "No display found: starting Mireva on a virtual screen (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$here/build/src/mireva"
fi
