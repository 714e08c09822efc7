#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the local print server with a PDF queue as the default destination,
# for the end-to-end printing test. Printed jobs land as PDF files in
# $MIREVA_CUPS_PDF_DIR (default /var/spool/cups-pdf/mireva).
set -euo pipefail

queue=MirevaPDF
outdir=${MIREVA_CUPS_PDF_DIR:-/var/spool/cups-pdf/mireva}
conf=/etc/cups/cups-pdf.conf

mkdir -p "$outdir"
chmod 0777 "$outdir"
# Every user's PDFs go to one known folder.
if [ -f "$conf" ]; then
  sed -i -E "s|^#?[[:space:]]*Out[[:space:]].*|Out $outdir|" "$conf"
  sed -i -E "s|^#?[[:space:]]*AnonDirName[[:space:]].*|AnonDirName $outdir|" "$conf"
  # Every file carries its job number, so a test finds its own job.
  sed -i -E "s|^#?[[:space:]]*Label[[:space:]].*|Label 2|" "$conf"
fi

# lpstat -r exits with 0 whether or not the scheduler runs; read its answer.
export LC_ALL=C
scheduler_up() { [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ]; }

if ! scheduler_up; then
  mkdir -p /run/cups
  /usr/sbin/cupsd
  for _ in $(seq 1 150); do
    scheduler_up && break
    sleep 0.2
  done
fi
if ! scheduler_up; then
  echo "start-cups: the print server did not start" >&2
  exit 1
fi

if ! lpstat -v "$queue" >/dev/null 2>&1; then
  lpadmin -p "$queue" -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
fi
cupsenable "$queue"
cupsaccept "$queue"
lpadmin -d "$queue"

# Two queues that cannot print, for the tests of refused jobs: one rejects
# new jobs, one is stopped and holds them. Jobs left waiting are dropped.
for broken in MirevaReject MirevaStopped; do
  if ! lpstat -v "$broken" >/dev/null 2>&1; then
    lpadmin -p "$broken" -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
  fi
  cancel -a "$broken" 2>/dev/null || true
done
# A queue like an office laser's for school paper: B5 by default, and
# nothing printed within 18 pt of the sides or 36 pt of the top and bottom
# of an upright sheet.
b5ppd=/etc/cups/mireva-b5.ppd
sed -E -e 's/^\*Default(PageSize|PageRegion|ImageableArea|PaperDimension): .*/*Default\1: ISOB5/' \
  /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
  | awk '/^\*ImageableArea / { split($0, q, "\""); split(q[2], v, " ");
           printf "%s\"18 36 %d %d\"\n", q[1], v[3] - 18, v[4] - 36; next } { print }' >"$b5ppd"
if ! lpstat -v MirevaB5 >/dev/null 2>&1; then
  lpadmin -p MirevaB5 -E -v cups-pdf:/ -P "$b5ppd"
fi
cupsenable MirevaB5
cupsaccept MirevaB5

cupsenable MirevaReject
cupsreject MirevaReject
cupsaccept MirevaStopped
cupsdisable MirevaStopped
lpstat -d
