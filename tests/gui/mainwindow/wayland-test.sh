#!/usr/bin/env bash
# The program on a Wayland desktop: weston with its headless backend, once with the program on
# Wayland itself and once through XWayland. In each, the program starts and leaves through its
# exit path with status 0 and without a mode switch, and tst_desktop checks the pictures the
# compositor takes of the main window, the person editor and the help window, and prints.
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

# The third run: a high-dpi screen at scale 2, where the window keeps the desktop's scale.
for run in wayland xcb wayland-scale-2; do
  echo "--- $run"
  case $run in
  wayland) start_weston ;;
  xcb) start_weston --xwayland ;;
  wayland-scale-2) start_weston 1024x768 2 ;;
  esac
  status=$?
  platform=${run%%-*}
  [ $status -eq 77 ] && exit 77
  [ $status -eq 0 ] || { fail "weston did not start"; continue; }
  export QT_QPA_PLATFORM=$platform weston_work
  mkdir -p "$work/$run"

  BIORHYTHMUS_SCREENSHOT="$work/$run/program.png" timeout 60 "$program" >"$work/program.out" 2>&1
  status=$?
  [ $status -eq 0 ] || { fail "$run: the program ended with status $status"; cat "$work/program.out"; }
  [ -s "$work/$run/program.png" ] || fail "$run: the program took no picture of its window"
  if [ $platform = xcb ]; then
    modes=$(xrandr -q | sed -n 's/.*current \([0-9]*\) x \([0-9]*\).*/\1x\2/p')
    [ "$modes" = 1024x768 ] || fail "xcb: XWayland's screen is $modes after the program, expected 1024x768"
  fi

  BIO_PICTURE_FOLDER="$work/$run" timeout 120 "$work/tst_desktop" ||
    fail "$run: tst_desktop reported failures (above)"
  [ -z "${BIO_KEEP_PICTURES:-}" ] || cp -r "$work/$run" "$BIO_KEEP_PICTURES/"
  stop_weston
done

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all Wayland checks passed"
exit 0
}
