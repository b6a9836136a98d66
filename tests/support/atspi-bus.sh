# A private accessibility bus for tests; source this file, then:
#
#   start_atspi_bus   a private D-Bus session bus (dbus-run-session) with the AT-SPI bus
#                     behind it, the bus that screen readers listen on
#   stop_atspi_bus
#
# start_atspi_bus exports DBUS_SESSION_BUS_ADDRESS, a private XDG_RUNTIME_DIR and
# QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 (Qt then talks to the bus without a screen reader being
# announced), and returns once the AT-SPI bus answers. It returns 77 when this machine lacks
# the pieces and 1 when the bus did not come up. Qt's bridge needs a real platform: start an X
# server first (x-server.sh).

atspi_work=""
ATSPI_SESSION_PID=""

start_atspi_bus() {
  command -v dbus-run-session >/dev/null || { echo "dbus-run-session is missing (dbus)"; return 77; }
  [ -x /usr/libexec/at-spi-bus-launcher ] ||
    { echo "at-spi-bus-launcher is missing (at-spi2-core)"; return 77; }
  atspi_work=$(mktemp -d /tmp/atspi-bus.XXXXXX)
  mkdir -m 700 "$atspi_work/runtime"
  export XDG_RUNTIME_DIR="$atspi_work/runtime"
  # The session lives as long as the sleep inside it; stop_atspi_bus ends the sleep, and
  # dbus-run-session then takes its bus and everything started on it down.
  dbus-run-session -- sh -c 'echo $$ >"$1/sleep.pid" &&
    echo "$DBUS_SESSION_BUS_ADDRESS" >"$1/address.tmp" &&
    mv "$1/address.tmp" "$1/address" && exec sleep 600' sh "$atspi_work" \
    >"$atspi_work/session.log" 2>&1 &
  ATSPI_SESSION_PID=$!
  local i
  for i in $(seq 100); do
    [ -s "$atspi_work/address" ] && break
    sleep 0.1
  done
  [ -s "$atspi_work/address" ] || { echo "the session bus did not start"; stop_atspi_bus; return 1; }
  DBUS_SESSION_BUS_ADDRESS=$(cat "$atspi_work/address")
  export DBUS_SESSION_BUS_ADDRESS
  # Asking for the accessibility bus starts at-spi-bus-launcher through D-Bus activation.
  for i in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
      >/dev/null 2>&1 && break
    sleep 0.2
  done
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1 || { echo "the AT-SPI bus did not start"; stop_atspi_bus; return 1; }
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  return 0
}

stop_atspi_bus() {
  if [ -n "$ATSPI_SESSION_PID" ]; then
    [ ! -s "$atspi_work/sleep.pid" ] || kill -TERM "$(cat "$atspi_work/sleep.pid")" 2>/dev/null || true
    wait "$ATSPI_SESSION_PID" 2>/dev/null || true
  fi
  ATSPI_SESSION_PID=""
  [ -z "$atspi_work" ] || rm -rf "$atspi_work"
  atspi_work=""
  unset DBUS_SESSION_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON
}
