#!/usr/bin/env bash
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
cupsenable MirevaReject
cupsreject MirevaReject
cupsaccept MirevaStopped
cupsdisable MirevaStopped
lpstat -d
