# A desktop notification server for tests: Debian's dunst, the server of
# org.freedesktop.Notifications, on the session bus. Start an X server (x-server.sh), on which
# dunst shows its bubbles, and a session bus (session-bus.sh) first; source this file, then:
#
#   start_notification_server
#   stop_notification_server
#
# start_notification_server returns once dunst owns the name on the bus; 77 when dunst is not
# installed, 1 when it did not come up. dunst runs with an empty configuration of its own, so
# that no user's settings change what it does.

notification_server_support_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$notification_server_support_dir/stop-politely.sh"
NOTIFICATION_SERVER_PID=""
notification_server_work=""

notification_name_owned() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications 2>/dev/null |
    grep -q 'boolean true'
}

start_notification_server() {
  command -v dunst >/dev/null || { echo "dunst is not installed (dunst)"; return 77; }
  notification_server_work=$(mktemp -d /tmp/notification-server.XXXXXX)
  : >"$notification_server_work/dunstrc"
  dunst -config "$notification_server_work/dunstrc" >"$notification_server_work/dunst.log" 2>&1 &
  NOTIFICATION_SERVER_PID=$!
  local i
  for i in $(seq 100); do
    notification_name_owned && return 0
    kill -0 "$NOTIFICATION_SERVER_PID" 2>/dev/null || break
    sleep 0.1
  done
  echo "dunst did not take org.freedesktop.Notifications; its log:"
  tail -n 20 "$notification_server_work/dunst.log"
  stop_notification_server
  return 1
}

stop_notification_server() {
  [ -z "$NOTIFICATION_SERVER_PID" ] || stop_politely "$NOTIFICATION_SERVER_PID"
  NOTIFICATION_SERVER_PID=""
  [ -z "$notification_server_work" ] || rm -rf "$notification_server_work"
  notification_server_work=""
}
