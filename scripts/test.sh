#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, checks the house style, builds everything with
# warnings as errors and runs the whole test suite through CTest: built with
# GCC into build/; built with clang into build-clang/ (built only); and
# built into build-portable/ with printing through Qt's printer alone, as on
# Windows and macOS, whose tests run too. The
# end-to-end printing test needs the local print server with a PDF queue as
# the default destination and two queues that cannot print; they are started
# here. Where Qt for Windows has been built (scripts/build-windows.sh), the
# Windows build is made anew and checked under Wine too.
#
# With --quick, for the edit-build-test loop: installs what is missing,
# checks the house style, builds with GCC into build/ with warnings as
# errors and runs every suite there at once (one per core), but leaves out
# the print server's test (label cups), the clang and portable builds, the
# Debian package check and the Windows check.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"

usage="usage: bash scripts/test.sh [--quick]"
quick=0
for arg in "$@"; do
  case "$arg" in
    --quick) quick=1 ;;
    -h | --help)
      echo "$usage"
      exit 0
      ;;
    *)
      echo "test.sh: unknown argument '$arg'" >&2
      echo "$usage" >&2
      exit 2
      ;;
  esac
done

if [ "$quick" -eq 1 ]; then
  bash "$here/scripts/deps.sh"
  bash "$here/scripts/check-format.sh"
  bash "$here/scripts/build.sh" -DMIREVA_WARNINGS_AS_ERRORS=ON
  cd "$here"
  ctest --preset default --label-exclude cups --parallel "$(nproc)"
  echo "Quick run passed; left out: the print server's test, the clang and portable builds," \
    "the Debian package check and the Windows check (bash scripts/test.sh runs them all)."
  exit 0
fi

bash "$here/scripts/deps.sh"
export MIREVA_CUPS_PDF_DIR=/var/spool/cups-pdf/mireva
bash "$here/scripts/start-cups.sh"
bash "$here/scripts/check-format.sh"
bash "$here/scripts/build.sh" -DMIREVA_WARNINGS_AS_ERRORS=ON
cd "$here"
ctest --preset default
for preset in clang portable; do
  cmake --preset "$preset" -DMIREVA_WARNINGS_AS_ERRORS=ON
  cmake --build --preset "$preset" -j "$(nproc)"
done
ctest --preset portable
# The Debian package: built, installed, started and removed again.
bash "$here/scripts/check-package.sh"

source "$here/scripts/windows/env.sh"
if windows_qt_ready; then
  bash "$here/scripts/build-windows.sh"
  bash "$here/scripts/check-windows.sh"
else
  echo "Skipped the Windows check under Wine: Qt for Windows is not built yet" \
    "(bash scripts/build-windows.sh builds it once, 20 to 40 minutes)."
fi
