#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package, checks it with lintian, installs it with apt,
# checks that its files are in place and that the installed program starts
# from its menu entry's command line (with its sheet folder made in a fresh
# home folder), then removes it with apt and checks that nothing of it is
# left. Needs root; Mireva must not be installed already.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
export DEBIAN_FRONTEND=noninteractive
apt=(apt-get -o DPkg::Lock::Timeout=300)
id=org.mireva.Mireva

if dpkg-query -W -f='${db:Status-Status}' mireva 2>/dev/null | grep -qx installed; then
  echo "check-package: mireva is installed already; remove it first" >&2
  exit 1
fi
# lintian checks the package; nothing else needs it.
dpkg-query -W -f='${Status}' lintian 2>/dev/null | grep -q "install ok installed" \
  || "${apt[@]}" install -y -qq --no-install-recommends lintian

bash "$here/scripts/package-deb.sh" "$@"
deb=$(ls "$here"/build/mireva_*.deb)
echo "== $(basename "$deb"): $(stat -c %s "$deb") bytes"
lintian --fail-on error "$deb"

"${apt[@]}" install -y -qq --no-install-recommends "$deb"
listed=$(mktemp)
work=$(mktemp -d)
trap 'rm -rf "$listed" "$work"' EXIT
dpkg -L mireva >"$listed"

failed=0
fail() {
  echo "FAIL: $*" >&2
  failed=1
}
for file in /usr/bin/mireva "/usr/share/applications/$id.desktop" "/usr/share/metainfo/$id.metainfo.xml" \
  /usr/share/man/man1/mireva.1.gz /usr/share/doc/mireva/copyright /usr/share/doc/mireva/changelog.gz \
  /usr/share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/$id.png; do
  [ -f "$file" ] || fail "$file is missing"
  grep -qxF "$file" "$listed" || fail "$file does not belong to the package"
done

# Start it as the menu does: the entry's command line, run from the root
# folder, in a fresh home. Still running after three seconds means it
# started; the menu start makes the sheet folder in the documents folder.
command=$(sed -n 's/^Exec=//p' "/usr/share/applications/$id.desktop")
read -r -a words <<<"$command"
set +e
(cd / && env -i PATH=/usr/bin:/bin HOME="$work" LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
  timeout 3 "${words[@]}")
status=$?
set -e
[ $status -eq 124 ] || fail "'$command' ended with status $status within three seconds"
[ -d "$work/Documents/Mireva" ] || fail "starting from the menu did not make ~/Documents/Mireva"

"${apt[@]}" remove -y -qq mireva
[ "$(dpkg-query -W -f='${db:Status-Status}' mireva 2>/dev/null || true)" != installed ] \
  || fail "mireva is still installed"
# What is left of the package's list may only be folders other packages own
# (every package with a file in a folder owns the folder too).
while read -r path; do
  [ -e "$path" ] || continue
  if [ ! -d "$path" ] || ! dpkg -S "$path" >/dev/null 2>&1; then
    fail "$path is left behind"
  fi
done <"$listed"

if [ $failed -eq 0 ]; then
  echo "== check-package: the package builds, installs, starts and is removed cleanly (${SECONDS} s)"
fi
exit $failed
