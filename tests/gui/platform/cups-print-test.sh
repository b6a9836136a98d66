#!/usr/bin/env bash
# Runs the printing test against a private CUPS server (tests/support/cups-server.sh) that the
# test fills with a cups-pdf queue; the test stops and resumes the server (BIO_CUPSD_PID) to
# make it fall silent.
# Usage: cups-print-test.sh <test program> [its arguments, e.g. one test function's name];
# exits 77 (skipped) where it cannot run.
set -uo pipefail
test_program=$1
shift
source "$(dirname "$0")/../../support/cups-server.sh"

for tool in lpadmin lpinfo lp pdftotext pdftoppm pdfinfo timeout; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
[ -x /usr/lib/cups/backend/cups-pdf ] || { echo "skipped: cups-pdf is missing"; exit 77; }

trap stop_cups_server EXIT
start_cups_server || exit $?
export BIO_CUPSD_PID=$CUPSD_PID

# Jobs of a user the system does not know land in cups-pdf's anonymous folder.
export CUPS_USER="biorhythmus-test-$$"
out=$(sed -n 's/^[[:space:]]*AnonDirName[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
export BIO_CUPS_PDF_OUT="${out:-/var/spool/cups-pdf/ANONYMOUS}"
BIO_CUPS_PDF_MODEL=$(lpinfo -m | awk '/CUPS-PDF_opt/ { print $1; exit }')
[ -n "$BIO_CUPS_PDF_MODEL" ] || BIO_CUPS_PDF_MODEL=$(lpinfo -m | awk 'tolower($0) ~ /cups-pdf/ { print $1; exit }')
export BIO_CUPS_PDF_MODEL

status=0
timeout --kill-after=5 80 "$test_program" "$@" || status=$?
[ $status -eq 0 ] || tail -n 20 "$CUPS_SERVER_LOG_DIR/error_log" 2>/dev/null || true
exit $status
