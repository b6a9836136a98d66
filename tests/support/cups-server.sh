# A private CUPS server for scripts and tests; source this file, then:
#
#   start_cups_server    starts cupsd with its configuration, spool and socket in a temporary
#                        folder, waits until it answers, and exports CUPS_SERVER, CUPS_SERVERROOT
#                        and HOME (a fresh one, so no user's lpoptions apply) for lp, lpadmin
#                        and the program; sets CUPSD_PID and CUPS_SERVER_LOG_DIR
#   stop_cups_server
#
# Nothing of the machine's own print system is touched: printers added through lpadmin live
# only in the private server, which stop_cups_server stops and removes. start_cups_server
# returns 77 when this machine cannot run it (not root, cupsd missing) and 1 when the server
# did not come up.

CUPSD_PID=""
CUPS_SERVER_LOG_DIR=""
cups_server_work=""

start_cups_server() {
  [ "$(id -u)" -eq 0 ] || { echo "starting a private cupsd needs root"; return 77; }
  command -v cupsd >/dev/null || { echo "cupsd is not installed (cups)"; return 77; }
  command -v lpstat >/dev/null || { echo "lpstat is not installed (cups-client)"; return 77; }
  local work
  work=$(mktemp -d /tmp/cups-server.XXXXXX)
  cups_server_work=$work
  chmod 755 "$work"
  mkdir -p "$work/root/ppd" "$work/spool/tmp" "$work/cache" "$work/state" "$work/log" "$work/home"
  chmod 755 "$work/root" "$work/spool" "$work/cache" "$work/state" "$work/log"
  chmod 1777 "$work/spool/tmp"
  CUPS_SERVER_LOG_DIR="$work/log"
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
Listen $work/cups.sock
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
  CUPSD_PID=$!
  export CUPS_SERVER="$work/cups.sock" CUPS_SERVERROOT="$work/root" HOME="$work/home"
  unset PRINTER LPDEST
  local i
  for i in $(seq 100); do
    lpstat -r >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "the private cupsd did not start; its logs:"
  tail -n 20 "$work/log/"* 2>/dev/null
  stop_cups_server
  return 1
}

stop_cups_server() {
  if [ -n "$CUPSD_PID" ]; then
    # A server stopped by a test (SIGSTOP) takes SIGTERM only once it runs again.
    kill -CONT "$CUPSD_PID" 2>/dev/null || true
    kill -TERM "$CUPSD_PID" 2>/dev/null || true
    wait "$CUPSD_PID" 2>/dev/null || true
  fi
  CUPSD_PID=""
  [ -z "$cups_server_work" ] || rm -rf "$cups_server_work"
  cups_server_work=""
}
