#!/usr/bin/env bash
# Runs the signal cases of tst_leaving against the real program on a private Xvfb.
# usage: exit-signals-test.sh <biorhythmus> <tst_leaving>; exits 77 (skipped) without Xvfb.
set -uo pipefail
source "$(dirname "$0")/../../support/x-server.sh"
command -v xdotool >/dev/null || { echo "SKIP: xdotool is not installed"; exit 77; }
trap stop_x_server EXIT
start_x_server xvfb 1024x768 || exit $?
unset XAUTHORITY WAYLAND_DISPLAY
QT_QPA_PLATFORM=xcb BIO_PROGRAM=$1 timeout --kill-after=5 100 "$2" signalWithBoxOpen
