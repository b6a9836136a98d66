#!/usr/bin/env bash
# The main window as a screen reader meets it: the window runs on a private X server with a
# private AT-SPI bus, and a reader script finds the shown day's values and texts in its
# accessible tree, presses the stepper and finds them changed.
# Usage: accessibility-test.sh <accessible_window program> <reader script>
set -u
window_program=$1
reader=$2
support=$(cd "$(dirname "$0")/../../support" && pwd)
# shellcheck source=../../support/x-server.sh
. "$support/x-server.sh"
# shellcheck source=../../support/atspi-bus.sh
. "$support/atspi-bus.sh"

/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "pyatspi is missing (python3-pyatspi)"; exit 77; }

window_pid=""
cleanup() {
  [ -z "$window_pid" ] || { kill "$window_pid" 2>/dev/null; wait "$window_pid" 2>/dev/null; }
  stop_atspi_bus
  stop_x_server
}
trap cleanup EXIT

start_x_server xvfb 800x600 || exit $?
start_atspi_bus || exit $?

QT_QPA_PLATFORM=xcb "$window_program" &
window_pid=$!
/usr/bin/python3 "$reader"
