#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Windows build under Debian's Wine on a virtual screen:
#  1. the portable zip, unpacked: the test program test_all_drills, put into
#     the unpacked folder so that it loads the zip's Qt DLLs and plugins,
#     writes every drill's start-up sheet with and without answers and
#     compares each with tests/golden/ byte for byte, and prints the default
#     中段乘算 run through Wine's printing to the local print server's default
#     queue, whose pages must be A4 with no ink within 18 pt of an edge; then
#     the program itself starts there and shows its main window;
#  2. the installer, run silently in a fresh Wine prefix: the program under
#     Program Files, its Start-menu link and its entry among the installed
#     programs are there; the link starts the program, which makes
#     Documents\Mireva; the silent uninstaller leaves no program file behind.
# Needs what scripts/build-windows.sh made (dist/ and build-windows/).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"

if [ -z "${MIREVA_INSIDE_XVFB:-}" ]; then
  bash "$here/scripts/deps.sh" wine wine64 xvfb xauth x11-utils unzip poppler-utils
  MIREVA_INSIDE_XVFB=1 exec xvfb-run -a -n 59 -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

source scripts/windows/env.sh
version="$(sed -n 's/^project(Mireva VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
name="Mireva-$version-win64"
zip="dist/$name.zip"
setup="dist/$name-setup.exe"
tests_exe="build-windows/tests/test_all_drills.exe"
for f in "$zip" "$setup" "$tests_exe" "$windows_qt/bin/Qt6Test.dll"; do
  [ -f "$f" ] || { echo "Missing $f: run scripts/build-windows.sh first" >&2; exit 1; }
done

work="$(mktemp -d /tmp/mireva-wine.XXXXXX)"
trap 'WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true
      WINEPREFIX="$work/installed" wineserver -k 2>/dev/null || true
      rm -rf "$work"' EXIT
# Wine's own home: its Documents folder is linked to the home's.
export HOME="$work/home"
mkdir -p "$HOME"
export WINEDEBUG=-all
# No Mono, no Gecko, no desktop menu entries for the links made.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
pass() { echo "PASS: $*"; }

# Waits up to $2 seconds for a top-level window titled $1.
wait_for_window() {
  local i
  for ((i = 0; i < $2; i++)); do
    xwininfo -root -tree 2>/dev/null | grep -qF "\"$1\"" && return 0
    sleep 1
  done
  return 1
}

echo "== The portable zip"
export WINEPREFIX="$work/prefix"
wineboot --init >/dev/null 2>&1
unzip -q "$zip" -d "$work/portable"
folder="$work/portable/$name"
cp "$tests_exe" "$windows_qt/bin/Qt6Test.dll" "$folder/"
start=$(date +%s)
# Under Wine a test program's console output is lost: it writes a file.
(cd "$folder" && MIREVA_GOLDEN_DIR="$(winepath -w "$here/tests/golden")" QT_QPA_PLATFORM=windows \
  wine test_all_drills.exe -o tests.log,txt defaultSheetsAreUnchanged >/dev/null 2>&1) || true
tr -d '\r' <"$folder/tests.log" >"$work/tests.log" || true
grep -E "^(FAIL|Totals|   Loc)" "$work/tests.log" || true
sheets=$(ls tests/golden | wc -l)
passed=$(grep -c "^PASS   : TestAllDrills::defaultSheetsAreUnchanged" "$work/tests.log" || true)
if [ "$passed" -eq "$sheets" ] && grep -q "^Totals: .* 0 failed" "$work/tests.log"; then
  pass "all $sheets start-up runs (every drill, with and without answers) wrote the kept sheets byte for byte ($(($(date +%s) - start)) s)"
else
  fail "start-up runs under Wine: $passed of $sheets wrote the kept sheets"
fi

# One print job: the queue calls the whole sheet printable, as "Microsoft
# Print to PDF" does, so only the program keeps its lines from the edges.
# Wine's PostScript carries no text for poppler to read: the pages are drawn.
bash scripts/start-cups.sh >/dev/null
queue=MirevaPDF
pdf_dir="${MIREVA_CUPS_PDF_DIR:-/var/spool/cups-pdf/mireva}"
last_job() {
  { lpstat -W all -o "$queue" 2>/dev/null || true; } | sed -n "s/^$queue-\([0-9]*\) .*/\1/p" | sort -n | tail -1
}
before="$(last_job)"
(cd "$folder" && MIREVA_PRINT_JOB=1 QT_QPA_PLATFORM=windows \
  wine test_all_drills.exe -o print.log,txt printsOneJobOnTheDefaultPrinter >/dev/null 2>&1) || true
tr -d '\r' <"$folder/print.log" | grep -E "^(FAIL|   Loc)" || true
job="$(last_job)"
job_pdf=""
if [ -n "$job" ] && [ "$job" != "$before" ]; then
  for _ in $(seq 1 120); do
    job_pdf="$(find "$pdf_dir" -name "*job_$job*.pdf" | head -1)"
    [ -n "$job_pdf" ] && lpstat -W completed -o "$queue" | grep -q "^$queue-$job " && break
    sleep 1
  done
fi
if [ -z "$job_pdf" ]; then
  fail "the 中段乘算 run under Wine left no print job on $queue"
else
  pages="$(pdfinfo "$job_pdf" | sed -n 's/^Pages: *//p')"
  size="$(pdfinfo "$job_pdf" | sed -n 's/^Page size: *//p')"
  # Every page drawn at 100 dpi: ink on it, and none within 18 pt (25 px) of
  # an edge, a pixel allowed for the edge of a glyph.
  cat >"$work/ink.py" <<'PY'
import re
import sys

data = sys.stdin.buffer.read()
header = re.match(rb"P5\s+(?:#[^\n]*\s+)*(\d+)\s+(\d+)\s+\d+\s", data)
width, height = int(header.group(1)), int(header.group(2))
pixels = data[header.end():header.end() + width * height]
box = None
for y in range(height):
    inked = [x for x, v in enumerate(pixels[y * width:(y + 1) * width]) if v < 250]
    if inked:
        left, top, right, bottom = box or (width, y, 0, y)
        box = (min(left, inked[0]), top, max(right, inked[-1]), y)
if box is None:
    print("no-ink")
else:
    print(box[0], box[1], width - 1 - box[2], height - 1 - box[3])
PY
  margins="$(for ((p = 1; p <= ${pages:-0}; p++)); do
    pdftoppm -gray -r 100 -f "$p" -l "$p" "$job_pdf" 2>/dev/null | /usr/bin/python3 "$work/ink.py"
  done)"
  echo "   job $job: $pages pages of $size; ink from each edge (left top right bottom, px at 100 dpi):"
  echo "$margins" | sed 's/^/     /'
  if [ "$pages" = 4 ] && echo "$size" | grep -q "(A4)" && ! echo "$margins" | grep -q "no-ink" &&
    echo "$margins" | awk '$1 < 24 || $2 < 24 || $3 < 24 || $4 < 24 { bad = 1 } END { exit bad }'; then
    pass "the 中段乘算 run under Wine printed four A4 pages on $queue, no ink within 18 pt of an edge"
  else
    fail "the 中段乘算 run under Wine: $pages pages of $size, or ink within 18 pt of an edge"
  fi
fi
rm -f "$folder/test_all_drills.exe" "$folder/Qt6Test.dll" "$folder/tests.log" "$folder/print.log"

(cd "$folder" && wine mireva.exe >/dev/null 2>&1 &)
if wait_for_window "MirevaV$version" 120; then
  pass "the program starts from its folder and shows its main window"
else
  fail "the program shows no main window"
fi
wineserver -k 2>/dev/null || true
wineserver -w || true

echo "== The installer"
export WINEPREFIX="$work/installed"
wineboot --init >/dev/null 2>&1
wine "$(winepath -w "$here/$setup")" /S >/dev/null 2>&1 || true
wineserver -w || true
program_files="$WINEPREFIX/drive_c/Program Files/Mireva"
link="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Mireva 速算试题.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Mireva'
if [ -f "$program_files/mireva.exe" ] && [ -f "$program_files/platforms/qwindows.dll" ]; then
  pass "installed under Program Files ($(find "$program_files" -type f | wc -l) files)"
else
  fail "no program under Program Files"
fi
[ -f "$link" ] && pass "the Start-menu link is there" || fail "no Start-menu link"
if wine reg query "$uninstall_key" /v UninstallString 2>/dev/null | grep -q uninstall.exe; then
  pass "listed among the installed programs"
else
  fail "not listed among the installed programs"
fi

wine start "$(winepath -w "$link")" >/dev/null 2>&1 || true
if wait_for_window "MirevaV$version" 120; then
  pass "the Start-menu link starts the program"
else
  fail "the Start-menu link starts no program"
fi
# Wine links the user's Documents to a folder of the home.
documents="$(find "$WINEPREFIX/drive_c/users" "$HOME" -type d -name Mireva 2>/dev/null | head -1)"
[ -n "$documents" ] && pass "started from the menu, it made Documents\\Mireva" ||
  fail "started from the menu, it made no Documents\\Mireva"
wineserver -k 2>/dev/null || true
wineserver -w || true

wine "C:\\Program Files\\Mireva\\uninstall.exe" /S >/dev/null 2>&1 || true
wineserver -w || true
left=0
[ ! -d "$program_files" ] || left="$(find "$program_files" -type f | wc -l)"
[ "$left" -eq 0 ] && pass "uninstalled: no program file left" || fail "uninstalled: $left files left"
[ ! -e "$link" ] && pass "uninstalled: no Start-menu link" || fail "uninstalled: the Start-menu link is left"
if wine reg query "$uninstall_key" >/dev/null 2>&1; then
  fail "uninstalled: still listed among the installed programs"
else
  pass "uninstalled: no longer listed"
fi

if [ "$failures" -gt 0 ]; then
  echo "The Windows check failed ($failures)."
  exit 1
fi
echo "The Windows check passed."
