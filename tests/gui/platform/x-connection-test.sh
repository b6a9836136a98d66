#!/usr/bin/env bash
# Runs each X-connection case of tst_leaving on a fresh Xorg with the dummy driver, since a
# case may end the server. usage: x-connection-test.sh <biorhythmus> <tst_leaving>; exits 77
# (skipped) where Xorg cannot run.
set -uo pipefail
source "$(dirname "$0")/../../support/x-server.sh"
program=$1
unit_test=$2
for tool in xdotool xrandr xkill; do
  command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
trap stop_x_server EXIT
unset XAUTHORITY WAYLAND_DISPLAY
failures=0
while read -r _ function tag; do
  [ "$function" = xConnectionLost ] || continue
  start_x_server xorg 1024x768 || exit $?
  QT_QPA_PLATFORM=xcb BIO_PROGRAM=$program BIO_X_SERVER_PID=$X_SERVER_PID \
    timeout --kill-after=5 60 "$unit_test" "$function:$tag" || failures=$((failures + 1))
  stop_x_server
done < <("$unit_test" -datatags)
[ "$failures" -eq 0 ]
