#!/usr/bin/env bash
# Runs the printing test against a CUPS server of its own: a private cupsd (configuration,
# spool and socket in a temporary folder) that the test fills with a cups-pdf queue. Nothing
# of the machine's own print system is touched, and no printer is left behind: the queue
# lives only in the private server, which is stopped and removed on exit.
# Usage: cups-print-test.sh <test program>; exits 77 (skipped) where it cannot run.
set -euo pipefail
test_program=$1

if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: starting a private cupsd needs root"
  exit 77
fi
for tool in cupsd lpadmin lpinfo lpstat lp pdftotext pdftoppm pdfinfo timeout; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
[ -x /usr/lib/cups/backend/cups-pdf ] || { echo "skipped: cups-pdf is missing"; exit 77; }

work=$(mktemp -d /tmp/biorhythmus-cups.XXXXXX)
chmod 755 "$work"
cupsd_pid=""
cleanup() {
  if [ -n "$cupsd_pid" ]; then
    kill "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/root/ppd" "$work/spool/tmp" "$work/cache" "$work/state" "$work/log" "$work/home"
chmod 755 "$work/root" "$work/spool" "$work/cache" "$work/state" "$work/log"
chmod 1777 "$work/spool/tmp"
socket="$work/cups.sock"
cat >"$work/root/cups-files.conf" <<CONF
ServerRoot $work/root
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
SystemGroup root
User lp
Group lp
FileDevice No
CONF
cat >"$work/root/cupsd.conf" <<CONF
Listen $socket
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

cupsd -f -c "$work/root/cupsd.conf" -s "$work/root/cups-files.conf" >"$work/log/cupsd.out" 2>&1 &
cupsd_pid=$!

export CUPS_SERVER="$socket" CUPS_SERVERROOT="$work/root" HOME="$work/home"
unset PRINTER LPDEST
for _ in $(seq 100); do
  lpstat -r >/dev/null 2>&1 && break
  sleep 0.1
done
lpstat -r >/dev/null 2>&1 || { echo "the private cupsd did not start"; cat "$work/log/"*; exit 1; }

# Jobs of a user the system does not know land in cups-pdf's anonymous folder.
export CUPS_USER="biorhythmus-test-$$"
out=$(sed -n 's/^[[:space:]]*AnonDirName[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
export BIO_CUPS_PDF_OUT="${out:-/var/spool/cups-pdf/ANONYMOUS}"
BIO_CUPS_PDF_MODEL=$(lpinfo -m | awk '/CUPS-PDF_opt/ { print $1; exit }')
[ -n "$BIO_CUPS_PDF_MODEL" ] || BIO_CUPS_PDF_MODEL=$(lpinfo -m | awk 'tolower($0) ~ /cups-pdf/ { print $1; exit }')
export BIO_CUPS_PDF_MODEL

status=0
timeout --kill-after=5 60 "$test_program" || status=$?
[ $status -eq 0 ] || tail -n 20 "$work/log/error_log" 2>/dev/null || true
exit $status
