#!/usr/bin/env bash
# Installs what is missing, checks the house style, builds everything with
# warnings as errors and runs the whole test suite through CTest. The
# end-to-end printing test needs the local print server with a PDF queue as
# the default destination and two queues that cannot print; they are started
# here.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/deps.sh"
export MIREVA_CUPS_PDF_DIR=/var/spool/cups-pdf/mireva
bash "$here/scripts/start-cups.sh"
bash "$here/scripts/check-format.sh"
bash "$here/scripts/build.sh" -DMIREVA_WARNINGS_AS_ERRORS=ON
cd "$here"
ctest --preset default
# The Debian package: built, installed, started and removed again.
bash "$here/scripts/check-package.sh"
