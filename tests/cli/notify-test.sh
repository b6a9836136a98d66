#!/bin/bash
# --notify against a real notification server: Debian's dunst on a private session bus, every
# call to it seen by dbus-monitor. One notice per critical day of the span, with its summary in
# German and in English; nothing on days without one; without a server or without a bus a
# message and status 1. The program runs without a display, from a folder of its own with a
# person list, and leaves its runtime folder and the list untouched.
#
#   notify-test.sh <program>
set -uo pipefail
support=$(cd "$(dirname "$0")/../support" && pwd)
source "$support/x-server.sh"
source "$support/session-bus.sh"
source "$support/notification-server.sh"
command -v dbus-monitor >/dev/null || { echo "dbus-monitor is missing (dbus)"; exit 77; }

work=$(mktemp -d /tmp/notify-test.XXXXXX)
monitor=""
cleanup() {
  [ -z "$monitor" ] || { kill "$monitor" 2>/dev/null; wait "$monitor" 2>/dev/null; }
  stop_notification_server
  stop_session_bus
  stop_x_server
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -m 700 "$work/bin" "$work/runtime"
cp "$1" "$(dirname "$1")"/libbiorhythmus-*.so "$work/bin/"
printf '2,1\r\n"Anna"\r\n"01.01.2000"\r\n"Bert"\r\n"02.01.2000"\r\n' >"$work/bin/DATA.DAT"
cp "$work/bin/DATA.DAT" "$work/list-before"

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# run NAME STATUS STDERR-WORDS ARGS...: the program as a reminder runs it, without a display.
run() {
  local name=$1 status=$2 words=$3
  shift 3
  env -u DISPLAY XDG_RUNTIME_DIR="$work/runtime" "$work/bin/biorhythmus" "$@" \
    >"$work/out" 2>"$work/err"
  local got=$?
  [ "$got" -eq "$status" ] || fail "$name: status $got, not $status ($(cat "$work/err"))"
  [ ! -s "$work/out" ] || fail "$name: printed $(cat "$work/out")"
  if [ -n "$words" ]; then
    grep -qF "$words" "$work/err" || fail "$name: standard error says: $(cat "$work/err")"
  else
    [ ! -s "$work/err" ] || fail "$name: standard error says: $(cat "$work/err")"
  fi
}

start_x_server xvfb || exit $?
start_session_bus || exit $?
dbus-monitor --session "type='method_call',interface='org.freedesktop.Notifications'" \
  >"$work/monitor.log" 2>&1 &
monitor=$!
# The monitor has joined once the bus has told it its name.
for _ in $(seq 100); do grep -q NameAcquired "$work/monitor.log" && break; sleep 0.1; done

# 12.01.2000 and 13.01.2000 are the physical cycle's mid-cycle days for a birth on 01.01.2000.
critical=(--birth 2000-01-01 --date 2000-01-12)
run "no server" 1 "Auf dem Sitzungsbus antwortet kein Benachrichtigungsdienst" \
  --lang de --notify "${critical[@]}"
run "no server, in English" 1 "no notification service answers on the session bus" \
  --lang en --notify "${critical[@]}"
DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" \
  run "no session bus" 1 "Es gibt keinen Sitzungsbus" --lang de --notify "${critical[@]}"

start_notification_server || exit $?
run "a span without a critical day" 0 "" --lang de --notify --birth 2000-01-01 --date 2000-01-03
run "German" 0 "" --lang de --notify "${critical[@]}"
run "English, three days" 0 "" --lang en --notify "${critical[@]}" --critical 3
# Anna's 12th day is 13.01.2000, Bert's 11th and 12th are 13.01. and 14.01.2000; the birth date
# has none in the span.
run "two persons of the list and a birth date, one missing" 1 "Die Person „Carla“" \
  --lang de --notify --person Anna --person Carla --person Bert --birth 2000-01-05 \
  --date 2000-01-13
sleep 0.5
kill "$monitor"
wait "$monitor" 2>/dev/null
monitor=""

/usr/bin/python3 - "$work/monitor.log" <<'CHECK' || failures=$((failures + 1))
import re
import sys

expected = [
    "Kritischer Tag am Mittwoch, 12.01.2000 (geboren am 01.01.2000)",
    "Kritischer Tag am Donnerstag, 13.01.2000 (geboren am 01.01.2000)",
    "Critical day on Wednesday, 1/12/2000 (born 1/1/2000)",
    "Critical day on Thursday, 1/13/2000 (born 1/1/2000)",
    "Kritischer Tag für Anna am Donnerstag, 13.01.2000",
    "Kritischer Tag für Bert am Donnerstag, 13.01.2000",
    "Kritischer Tag für Bert am Freitag, 14.01.2000",
]
body = "Physisch: Vorsicht ! Kritischer Tag für Ihren körperlichen Zustand."
log = open(sys.argv[1], encoding="utf-8").read()
calls = [c for c in re.split(r"\n(?=\S)", log) if "member=Notify" in c.splitlines()[0]]
strings = [re.findall(r'^   string "(.*?)"$', c, re.M | re.S) for c in calls]
problems = []
summaries = [s[2] if len(s) > 2 else "" for s in strings]
if summaries != expected:
    problems.append(f"summaries {summaries}")
for call, texts in zip(calls, strings):
    if texts[:2] != ["Biorhythmus", "de.biorhythmus.Biorhythmus"]:
        problems.append(f"application and icon {texts[:2]}")
    if not re.search(r'string "desktop-entry"\s+variant\s+string "de.biorhythmus.Biorhythmus"', call):
        problems.append("no desktop-entry hint")
    if not re.search(r'string "urgency"\s+variant\s+byte 1\b', call):
        problems.append("urgency is not normal")
for texts in strings[:2] + strings[4:]:
    if len(texts) < 4 or texts[3] != body:
        problems.append(f"body {texts[3:4]}")
print("\n".join(problems) or f"{len(calls)} notifications as expected")
sys.exit(1 if problems else 0)
CHECK

[ -z "$(ls -A "$work/runtime")" ] || fail "the runtime folder holds $(ls -A "$work/runtime")"
cmp -s "$work/bin/DATA.DAT" "$work/list-before" || fail "the person list changed"
[ "$failures" -eq 0 ] || exit 1
echo "notify: all checks passed"
