#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks that the tree holds
# the program, its menu entry, its icon at every size the theme gets, its
# AppStream data, manual page and package documents, and that the desktop and
# AppStream validators accept them.
# Usage: check_install_tree.sh <cmake> <build folder>
set -euo pipefail
cmake=$1
build=$2
id=org.mireva.Mireva
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

failed=0
fail() {
  echo "FAIL: $*" >&2
  failed=1
}

for file in bin/mireva "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
  share/man/man1/mireva.1.gz share/doc/mireva/copyright share/doc/mireva/changelog.gz; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done
[ -x "$prefix/bin/mireva" ] || fail "bin/mireva is not executable"

# Each theme size holds a PNG of that size (width and height are the
# big-endian words at bytes 16 and 20).
for size in 16 22 24 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
  if [ ! -f "$icon" ]; then
    fail "no ${size} px icon"
    continue
  fi
  read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$icon")
  [ "$w $h" = "$size $size" ] || fail "the ${size} px icon is $w x $h"
done

desktop="$prefix/share/applications/$id.desktop"
if [ -f "$desktop" ]; then
  [ "$(sed -n 's/^Icon=//p' "$desktop")" = "$id" ] || fail "the menu entry does not name the icon $id"
  exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  [ -x "$prefix/bin/$exec_program" ] || fail "the menu entry starts '$exec_program', which is not installed"
  # The validator exits with 0 on warnings; any output is a finding.
  report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
  [ -z "$report" ] || fail "desktop-file-validate: $report"
fi

# Checks the metainfo file and that its desktop entry and icon are installed.
appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli validate-tree"

exit $failed
