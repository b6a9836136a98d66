#!/usr/bin/env bash
# The program on a Wayland desktop: weston with its headless backend, with the program on
# Wayland itself and through XWayland, on screens of several sizes and scales and as a framed
# window (--window). In each, the program starts and leaves through its exit path with status 0
# and without a mode switch, and tst_desktop checks the pictures the compositor takes: the main
# window at the scale the screen calls for, its page of controls centred, its text drawn at that
# scale, the person editor, the help window and the critical days on top at the same scale, and
# prints.
#
# usage: wayland-test.sh <biorhythmus> <tst_desktop>
# Exits 77 (skipped) when weston or XWayland is missing.
set -uo pipefail
{
program=$1
desktop_test=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../../support/weston.sh
source "$here/../../support/weston.sh"

work=$(mktemp -d /tmp/wayland-test.XXXXXX)
trap 'stop_weston; rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# The person editor writes DATA.DAT beside the program: the test runs from a folder of its own.
cp "$desktop_test" "$work/tst_desktop"
cp "$(dirname "$program")/za.vdi" "$work/" 2>/dev/null
export LC_ALL=C.UTF-8 LANG=C.UTF-8
# No printer: the day report goes into a PDF file.
export CUPS_SERVER="$work/no-cups.sock"
export -f weston_screenshot
export BIO_SCREENSHOT_COMMAND='weston_screenshot "$1"'

# Each run: its name, Qt's platform, weston's size and scale, the window (whole or framed) and
# the scale the layout must be drawn at: the largest whole one whose 640 x 480 fits the screen
# in device pixels (a framed window leaves room for its title bar): 2048 x 1536 at scale 2 holds
# 3 x, 1920 x 1080 2 x, 3840 x 2160 4 x.
runs=(
  "wayland wayland 1024x768 1 whole 1"
  "xcb xcb 1024x768 1 whole 1"
  "wayland-scale-2 wayland 1024x768 2 whole 3"
  "wayland-1920x1080 wayland 1920x1080 1 whole 2"
  "wayland-3840x2160 wayland 3840x2160 1 whole 4"
  "wayland-window wayland 1920x1080 1 framed 2"
)
for row in "${runs[@]}"; do
  read -r run platform size scale window expected <<<"$row"
  echo "--- $run"
  if [ "$platform" = xcb ]; then start_weston --xwayland "$size" "$scale"; else start_weston "$size" "$scale"; fi
  status=$?
  [ $status -eq 77 ] && exit 77
  [ $status -eq 0 ] || { fail "weston did not start"; continue; }
  export QT_QPA_PLATFORM=$platform weston_work
  mkdir -p "$work/$run"
  options=()
  [ "$window" = framed ] && options=(--window --lang en)

  BIORHYTHMUS_SCREENSHOT="$work/$run/program.png" timeout 60 "$program" "${options[@]}" \
    >"$work/program.out" 2>&1
  status=$?
  [ $status -eq 0 ] || { fail "$run: the program ended with status $status"; cat "$work/program.out"; }
  [ -s "$work/$run/program.png" ] || fail "$run: the program took no picture of its window"
  if [ "$platform" = xcb ]; then
    modes=$(xrandr -q | sed -n 's/.*current \([0-9]*\) x \([0-9]*\).*/\1x\2/p')
    [ "$modes" = 1024x768 ] || fail "xcb: XWayland's screen is $modes after the program, expected 1024x768"
  fi

  BIO_WINDOW=$window BIO_EXPECTED_SCALE=$expected BIO_PICTURE_FOLDER="$work/$run" \
    timeout 120 "$work/tst_desktop" ||
    fail "$run: tst_desktop reported failures (above)"
  [ -z "${BIO_KEEP_PICTURES:-}" ] || cp -r "$work/$run" "$BIO_KEEP_PICTURES/"
  stop_weston
done

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all Wayland checks passed"
exit 0
}
