#!/usr/bin/env bash
# The key-stroke table of the date inputs (tst_datekeys), its keys and clicks pressed through a
# private Xvfb by xdotool (XTest), so that they reach the inputs as a keyboard's and a mouse's
# do: through the server's key map and Qt's xcb keyboard and focus handling.
# Usage: date-keys-test.sh <tst_datekeys program>
set -u
program=$1
support=$(cd "$(dirname "$0")/../../support" && pwd)
# shellcheck source=../../support/x-server.sh
. "$support/x-server.sh"

command -v xdotool >/dev/null || { echo "xdotool is not installed (xdotool)"; exit 77; }
trap stop_x_server EXIT
start_x_server xvfb 1024x768 || exit $?
DATE_KEYS_THROUGH_X=1 QT_QPA_PLATFORM=xcb "$program"
