# A private D-Bus session bus for tests; source this file, then:
#
#   start_session_bus   a session bus of its own (dbus-daemon) on which no service is started
#                       by activation: only what the test starts answers on it
#   stop_session_bus
#
# start_session_bus exports DBUS_SESSION_BUS_ADDRESS and sets SESSION_BUS_PID. It returns 77
# when this machine lacks dbus-daemon and 1 when the bus did not come up. The bus's policy lets
# dbus-monitor watch every message on it.

session_bus_support_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$session_bus_support_dir/stop-politely.sh"
SESSION_BUS_PID=""
session_bus_work=""

start_session_bus() {
  command -v dbus-daemon >/dev/null || { echo "dbus-daemon is missing (dbus)"; return 77; }
  session_bus_work=$(mktemp -d /tmp/session-bus.XXXXXX)
  # The standard session configuration would start Debian's notification servers on demand.
  cat >"$session_bus_work/bus.conf" <<CONFIG
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$session_bus_work</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONFIG
  local address="" address_fd
  exec {address_fd}<> <(:)
  dbus-daemon --config-file="$session_bus_work/bus.conf" --nofork --print-address="$address_fd" \
    >"$session_bus_work/bus.log" 2>&1 &
  SESSION_BUS_PID=$!
  read -r -t 20 -u "$address_fd" address || true
  exec {address_fd}>&-
  if [ -z "$address" ]; then
    echo "the session bus did not start:"
    cat "$session_bus_work/bus.log"
    stop_session_bus
    return 1
  fi
  export DBUS_SESSION_BUS_ADDRESS="$address"
  return 0
}

stop_session_bus() {
  [ -z "$SESSION_BUS_PID" ] || stop_politely "$SESSION_BUS_PID"
  SESSION_BUS_PID=""
  [ -z "$session_bus_work" ] || rm -rf "$session_bus_work"
  session_bus_work=""
  unset DBUS_SESSION_BUS_ADDRESS
}
