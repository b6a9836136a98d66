#!/usr/bin/env bash
# The program's display-mode switch on a real X server: starts Xorg with the dummy driver,
# runs the program on screens of different sizes, leaves it by each exit path and checks,
# through xrandr and the server's RandR events, that the screen is 640x480 while it runs and
# back at its old size afterwards. On screens that lack 640x480 and as a framed window
# (--window, with openbox) the screen is left as it is, and tst_desktop checks the pictures the
# server shows: the layout at the largest whole scale, centred, its dialogs over it.
#
# usage: display-mode-test.sh <biorhythmus> <tst_xrandrdisplaymode> <tst_desktop>
# Exits 77 (skipped) when this machine cannot run Xorg as root with the dummy driver.
set -uo pipefail

# The whole script is one block, which bash reads completely before it runs any of it, so that
# editing the file while a test runs cannot change what the running test does.
{

program=$1
unit_test=$2
desktop_test=$3
source "$(dirname "$0")/../../support/x-server.sh"

skip() { echo "SKIP: $*"; exit 77; }
for tool in xrandr xev xwininfo xprop; do
  command -v $tool >/dev/null || skip "$tool is not installed"
done

work=$(mktemp -d /tmp/display-mode-test.XXXXXX)
program_pid=""
events_pid=""
events_from=1
unit_pid=""
watchdog_pid=""
case_name=""
failures=0

cleanup() {
  [ -n "$watchdog_pid" ] && kill -TERM "$watchdog_pid" 2>/dev/null
  for pid in $program_pid $events_pid $unit_pid; do
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  stop_x_server
  rm -rf "$work"
}
trap cleanup EXIT
trap 'echo "FAIL: interrupted or out of time (${case_name:-starting Xorg})"; exit 1' INT TERM

# Ends the run well before CTest's timeout would kill this script without giving it the chance
# to stop Xorg. Every wait below is bounded as well; this is the net under them.
(
  trap 'kill "$sleeper" 2>/dev/null; exit 0' TERM
  sleep 240 &
  sleeper=$!
  wait "$sleeper" && kill -TERM $$
) &
watchdog_pid=$!

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# --- the server ---------------------------------------------------------------------------

start_x_server xorg 1024x768
case $? in
0) ;;
77) skip "this machine cannot run Xorg with the dummy driver" ;;
*) echo "FAIL: could not start Xorg with the dummy driver"; exit 1 ;;
esac
unset XAUTHORITY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 LANG=C.UTF-8
echo "Xorg with the dummy driver on $DISPLAY"

# --- helpers ------------------------------------------------------------------------------

screen_size() { xrandr -q 2>/dev/null | sed -n 's/.*current \([0-9]*\) x \([0-9]*\).*/\1x\2/p'; }

# Waits up to $2 tenths of a second for the screen to be $1.
wait_for_size() {
  local i
  for i in $(seq "$2"); do
    [ "$(screen_size)" = "$1" ] && return 0
    sleep 0.1
  done
  [ "$(screen_size)" = "$1" ]
}

# Waits up to 15 s for a mapped window titled Biorhythmus.
wait_for_window() {
  local i
  for i in $(seq 150); do
    xwininfo -root -tree 2>/dev/null | grep -q '"Biorhythmus"' && return 0
    sleep 0.1
  done
  return 1
}

# Sets a property on the root window and waits up to 5 s for xev to report it. The server
# sends its events in order, so once the mark is reported every event before it has been too;
# marks are set again until one is, since xev may not listen yet.
mark_events() {
  local seen i
  seen=$(grep -c '(_BIORHYTHMUS_MARK)' "$work/events")
  for i in $(seq 50); do
    xprop -root -f _BIORHYTHMUS_MARK 32c -set _BIORHYTHMUS_MARK "$i"
    sleep 0.1
    [ "$(grep -c '(_BIORHYTHMUS_MARK)' "$work/events")" -gt "$seen" ] && return 0
  done
  return 1
}

# Sets the screen to $1 and records the modes the server gives its CRTC from then on.
start_recording_modes() {
  xrandr -s "$1" || return 1
  xev -root -event randr -event property >"$work/events" 2>&1 &
  events_pid=$!
  mark_events || return 1
  events_from=$(($(stat -c %s "$work/events") + 1))
  [ "$(screen_size)" = "$1" ]
}

# The modes set since start_recording_modes, e.g. "640x480 1024x768".
recorded_modes() {
  tail -c "+$events_from" "$work/events" |
    sed -n 's/.*crtc [0-9]*, mode \([0-9]*x[0-9]*\),.*/\1/p' | tr '\n' ' ' | sed 's/ $//'
}

# Waits up to 5 s for the recorded modes to be $1, then stops recording. Called once the
# program and its guardian have ended: a mark reported after that shows that no other mode
# they set is still on its way.
expect_modes() {
  local i
  for i in $(seq 50); do
    [ "$(recorded_modes)" = "$1" ] && break
    sleep 0.1
  done
  mark_events || fail "$case_name: xev reported no mark set on the root window"
  kill "$events_pid" 2>/dev/null
  wait "$events_pid" 2>/dev/null
  events_pid=""
  [ "$(recorded_modes)" = "$1" ] ||
    fail "$case_name: modes set on the screen were \"$(recorded_modes)\", expected \"$1\""
}

# Waits up to 10 s for the program to end; checks that it ended with status $1 (0 by default)
# and left no guardian process behind.
expect_program_exit() {
  local i status expected=${1:-0}
  for i in $(seq 100); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$program_pid" 2>/dev/null; then
    fail "$case_name: the program did not end within 10 s"
    kill -KILL "$program_pid" 2>/dev/null
  fi
  wait "$program_pid"
  status=$?
  program_pid=""
  [ "$status" -eq "$expected" ] ||
    fail "$case_name: the program exited with status $status, expected $expected"
  for i in $(seq 20); do
    pgrep -f "^mode-guardian $DISPLAY " >/dev/null || return 0
    sleep 0.1
  done
  fail "$case_name: a guardian process is left 2 s after the program ended"
}

# Starts the program and waits up to 10 s for the switch to 640x480 and its window.
start_switched_program() {
  "$program" >"$work/program.out" 2>&1 &
  program_pid=$!
  wait_for_size 640x480 100 && wait_for_window ||
    fail "$case_name: screen is $(screen_size) 10 s after the start, or no window, expected 640x480"
}

# The X id of the program's window.
program_window() {
  xwininfo -root -tree 2>/dev/null | grep '"Biorhythmus": ("biorhythmus"' | head -n 1 |
    sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p'
}

# The size and place on the screen of the program's window, e.g. 640x480+0+0.
window_geometry() {
  xwininfo -root -tree 2>/dev/null | grep '"Biorhythmus": ("biorhythmus"' | head -n 1 |
    sed -n 's/.*) *\([0-9]*x[0-9]*\)+[-0-9]*+[-0-9]* *+\([-0-9]*\)+\([-0-9]*\).*/\1+\2+\3/p'
}

# Each connected output with what it shows, e.g. "DUMMY0 1024x768+0+0 DUMMY1 800x600+1024+0".
outputs() {
  xrandr -q | sed -n 's/^\([A-Z0-9]*\) connected \(primary \)\{0,1\}\([0-9x+]*\).*/\1 \3/p' | tr '\n' ' ' |
    sed 's/ $//'
}

expect_screen() {
  local now
  now=$(screen_size)
  [ "$now" = "$1" ] || fail "$case_name: screen is $now $2, expected $1"
}

begin_case() {
  case_name=$1
  echo "--- $case_name"
  start_recording_modes "$2" ||
    fail "$case_name: could not set the screen to $2 and watch its modes before the start"
}

# --- the cases ----------------------------------------------------------------------------

# The program's own exit path, as used by the screenshot mode: it quits right after the first
# paint, so only the recorded events can show that the switch happened.
for start in 1024x768 800x600; do
  begin_case "start at $start, leave through the exit path" "$start"
  BIORHYTHMUS_SCREENSHOT=- "$program" >"$work/program.out" 2>&1 &
  program_pid=$!
  expect_program_exit
  expect_screen "$start" "after the exit"
  expect_modes "640x480 $start"
done

# Ended by a signal while it runs: the screen must be 640x480 first, and back afterwards.
for leave in TERM INT HUP; do
  for start in 1024x768 800x600; do
    [ "$leave" != TERM ] && [ "$start" != 1024x768 ] && continue
    begin_case "start at $start, end by SIG$leave" "$start"
    "$program" >"$work/program.out" 2>&1 &
    program_pid=$!
    if wait_for_size 640x480 100; then
      wait_for_window || fail "$case_name: no window titled Biorhythmus appeared"
      expect_screen 640x480 "while the program runs"
    else
      fail "$case_name: screen is $(screen_size) 10 s after the start, expected 640x480"
    fi
    kill -"$leave" "$program_pid"
    expect_program_exit
    expect_screen "$start" "after SIG$leave"
    expect_modes "640x480 $start"
  done
done

# A screen that is 640x480 already is left alone.
begin_case "start at 640x480, end by SIGTERM" 640x480
"$program" >"$work/program.out" 2>&1 &
program_pid=$!
wait_for_window || fail "$case_name: no window titled Biorhythmus appeared"
expect_screen 640x480 "while the program runs"
kill -TERM "$program_pid"
expect_program_exit
expect_screen 640x480 "after SIGTERM"
expect_modes ""

# Killed or crashed while the screen is switched: the guardian puts the mode back within a
# second. No core file: writing it would only delay the program's end.
ulimit -c 0
for leave in KILL SEGV; do
  begin_case "start at 1024x768, end by SIG$leave" 1024x768
  start_switched_program
  kill -"$leave" "$program_pid"
  wait "$program_pid" 2>/dev/null
  wait_for_size 1024x768 10 ||
    fail "$case_name: screen is $(screen_size) a second after SIG$leave, expected 1024x768"
  expect_program_exit $((128 + $(kill -l "$leave")))
  expect_modes "640x480 1024x768"
done

# A second start while one runs: it raises the first window over another one and ends without
# switching or touching DATA.DAT. After a kill -9 of the first, a new start takes over at once.
begin_case "second start while one runs" 1024x768
start_switched_program
first_pid=$program_pid
xev -geometry 320x200+0+0 >/dev/null 2>&1 &
cover_pid=$!
for i in $(seq 50); do
  xwininfo -name "Event Tester" 2>/dev/null | grep -q IsViewable && break
  sleep 0.1
done
person_file=$(dirname "$program")/DATA.DAT
before=$(stat -c %y "$person_file" 2>/dev/null)
timeout 10 "$program" >"$work/second.out" 2>&1 ||
  fail "$case_name: the second start did not end with status 0 within 10 s"
[ "$(stat -c %y "$person_file" 2>/dev/null)" = "$before" ] ||
  fail "$case_name: the second start touched DATA.DAT"
top=$(xwininfo -root -children | sed -n 's/^ *0x[0-9a-f]* "\([^"]*\)".*/\1/p' | head -n 1)
[ "$top" = Biorhythmus ] || fail "$case_name: the topmost window is \"$top\", not the program's"
[ "$(xwininfo -root -tree | grep -c '"Biorhythmus": ("biorhythmus"')" -eq 1 ] ||
  fail "$case_name: not exactly one program window"
kill "$cover_pid"
kill -KILL "$first_pid"
wait_for_size 1024x768 10 || fail "$case_name: screen not back a second after kill -9"
expect_program_exit 137
start_switched_program
kill -TERM "$program_pid"
expect_program_exit
expect_modes "640x480 1024x768 640x480 1024x768"

# A desktop scaled to 200 %, by Xft.dpi or by QT_SCALE_FACTOR: after the switch the window is
# laid out 1:1 in device pixels, covers the switched screen and looks exactly as at 96 dpi.
for setting in 96: 192: 96:QT_SCALE_FACTOR=2; do
  dpi=${setting%%:*}
  scale=${setting#*:}
  begin_case "start at 1024x768, desktop at $dpi dpi ${scale:+with $scale}" 1024x768
  set_x_dpi "$dpi"
  env $scale BIORHYTHMUS_SCREENSHOT="$work/$dpi$scale.png" "$program" >"$work/program.out" 2>&1
  cmp -s "$work/96.png" "$work/$dpi$scale.png" ||
    fail "$case_name: the window does not look as at 96 dpi"
  env $scale "$program" >"$work/program.out" 2>&1 &
  program_pid=$!
  wait_for_size 640x480 100 && wait_for_window || fail "$case_name: no switch or no window"
  [ "$(window_geometry)" = 640x480+0+0 ] ||
    fail "$case_name: the window lies at $(window_geometry), expected 640x480+0+0"
  kill -TERM "$program_pid"
  expect_program_exit
  expect_modes "640x480 1024x768 640x480 1024x768"
done
set_x_dpi 96

# Two outputs: only the one that shows the window (the primary) is switched, the window lies on
# it, and it comes back exactly; the other is not touched.
case_name="two outputs, the second one primary"
echo "--- $case_name"
xrandr -s 1024x768
xrandr --addmode DUMMY1 800x600 && xrandr --output DUMMY1 --primary --mode 800x600 --pos 1024x0
before=$(outputs)
[ "$before" = "DUMMY0 1024x768+0+0 DUMMY1 800x600+1024+0" ] ||
  fail "$case_name: could not set up the outputs: $before"
"$program" >"$work/program.out" 2>&1 &
program_pid=$!
wait_for_window || fail "$case_name: no window"
for i in $(seq 50); do
  [ "$(outputs)" = "DUMMY0 1024x768+0+0 DUMMY1 640x480+1024+0" ] &&
    [ "$(window_geometry)" = 640x480+1024+0 ] && break
  sleep 0.1
done
[ "$(outputs)" = "DUMMY0 1024x768+0+0 DUMMY1 640x480+1024+0" ] ||
  fail "$case_name: outputs while the program runs: $(outputs)"
[ "$(window_geometry)" = 640x480+1024+0 ] ||
  fail "$case_name: the window lies at $(window_geometry), expected 640x480+1024+0"
kill -TERM "$program_pid"
expect_program_exit
[ "$(outputs)" = "$before" ] || fail "$case_name: outputs after the program: $(outputs)"
xrandr --output DUMMY1 --off --output DUMMY0 --primary

# A framed window (--window) is never switched to 640x480, even where the screen offers it:
# the window manager frames it at the layout's size, at 1x on this screen.
begin_case "--window on a screen that offers 640x480" 1024x768
start_window_manager || fail "$case_name: openbox did not start"
"$program" --window >"$work/program.out" 2>&1 &
program_pid=$!
wait_for_window || fail "$case_name: no window titled Biorhythmus appeared"
sleep 0.5
expect_screen 1024x768 "while the framed window is open"
[ "$(window_geometry | cut -d+ -f1)" = 640x480 ] ||
  fail "$case_name: the window is $(window_geometry), expected 640x480"
frame=$(xprop -id "$(program_window)" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p')
[ -n "$frame" ] && [ "$frame" != "0, 0, 0, 0" ] ||
  fail "$case_name: openbox put no frame around the window (\"$frame\")"
kill -TERM "$program_pid"
expect_program_exit
expect_modes ""
stop_window_manager

# The guardian killed while the program runs: the program starts a new one, so that a kill -9
# of the program afterwards still has the mode back within a second.
begin_case "guardian killed, then the program" 1024x768
start_switched_program
guardian=$(pgrep -P "$program_pid" -f '^mode-guardian ')
[ -n "$guardian" ] || fail "$case_name: no guardian runs beside the program"
kill -KILL $guardian
for i in $(seq 20); do
  replacement=$(pgrep -P "$program_pid" -f '^mode-guardian ')
  [ -n "$replacement" ] && [ "$replacement" != "$guardian" ] && break
  sleep 0.1
done
expect_screen 640x480 "after the guardian was killed"
kill -KILL "$program_pid"
wait "$program_pid" 2>/dev/null
wait_for_size 1024x768 10 ||
  fail "$case_name: screen is $(screen_size) a second after the program's kill -9, expected 1024x768"
expect_program_exit 137
expect_modes "640x480 1024x768"

# The program and its guardian killed together by name, as "pkill -9 biorhythmus" does (and
# with -f, the whole command line): the guardian's name does not match, so it survives the
# program and puts the mode back. Both run in a PID namespace of their own, where the pattern
# reaches nothing outside this case; the namespace's first shell waits up to a second for the
# guardian to end, since everything left in the namespace dies with that shell.
export -f screen_size wait_for_size wait_for_window
killed_by_name='
  "$PROGRAM" >"$OUT" 2>&1 &
  program=$!
  wait_for_size 640x480 100 && wait_for_window || exit 3
  pkill -9 $PATTERN || exit 4
  wait $program 2>/dev/null
  status=$?
  for i in $(seq 10); do pgrep -v -x bash >/dev/null || break; sleep 0.1; done
  exit $status'
for pattern in "biorhythmus" "-f biorhythmus"; do
  begin_case "start at 1024x768, pkill -9 $pattern" 1024x768
  PROGRAM=$program PATTERN=$pattern OUT=$work/program.out \
    unshare --pid --fork --mount-proc bash -c "$killed_by_name" &
  program_pid=$!
  wait "$program_pid"
  status=$?
  program_pid=""
  case $status in
  137) ;;
  3) fail "$case_name: no switch to 640x480 or no window within 10 s" ;;
  4) fail "$case_name: pkill -9 $pattern matched no process" ;;
  *) fail "$case_name: the namespace ended with status $status, expected 137 (the program killed)" ;;
  esac
  expect_screen 1024x768 "a second after pkill -9 $pattern"
  expect_modes "640x480 1024x768"
done

# A program copied without its guardian leaves the screen as it is and says why.
begin_case "without mode-guardian beside the program" 1024x768
mkdir -p "$work/alone"
cp "$program" "$(dirname "$program")/libbiorhythmus-gui.so" "$work/alone/"
"$work/alone/$(basename "$program")" >"$work/program.out" 2>&1 &
program_pid=$!
wait_for_window || fail "$case_name: no window titled Biorhythmus appeared"
expect_screen 1024x768 "while the program runs"
grep -q mode-guardian "$work/program.out" ||
  fail "$case_name: nothing said on standard error about the missing guardian"
kill -TERM "$program_pid"
expect_program_exit
expect_modes ""

# The display-mode service on its own: reading, switching, refusing sizes the screen lacks.
echo "--- tst_xrandrdisplaymode"
case_name=tst_xrandrdisplaymode
# In the background, so that the watchdog's signal is handled while it runs.
"$unit_test" &
unit_pid=$!
wait "$unit_pid" || fail "tst_xrandrdisplaymode reported failures (above)"
unit_pid=""

# A wide screen that does not offer 640x480, on an Xorg of its own: it is left as it is, and
# the program runs and ends as usual.
case_name="a wide screen without 640x480"
echo "--- $case_name"
stop_x_server
if start_x_server xorg 1024x768 xorg-dummy-wide.conf; then
  before=$(outputs)
  xrandr -q | grep -q ' 640x480 ' && fail "$case_name: the screen offers 640x480"
  start_recording_modes 1024x768 || fail "$case_name: could not watch the screen's modes"
  "$program" >"$work/program.out" 2>&1 &
  program_pid=$!
  wait_for_window || fail "$case_name: no window"
  [ "$(outputs)" = "$before" ] || fail "$case_name: outputs while the program runs: $(outputs)"
  kill -TERM "$program_pid"
  expect_program_exit
  [ "$(outputs)" = "$before" ] || fail "$case_name: outputs after the program: $(outputs)"
  expect_modes ""
else
  fail "$case_name: could not start Xorg with a screen that lacks 640x480"
fi

# Screens of 1920x1080 and 3840x2160 that lack 640x480, on an Xorg of their own: the screen is
# left as it is, and the pictures the server shows have the layout at 2x and 4x over the whole
# screen, centred, with its dialogs; on a desktop at 200 % (Xft.dpi 192) the two scales make
# 4x together. Framed with openbox, 2x still fits 1920x1080 with the title bar.
mkdir -p "$work/desktop"
cp "$desktop_test" "$work/desktop/tst_desktop"
stop_x_server
if start_x_server xorg 1920x1080 xorg-dummy-large.conf; then
  for row in "1920x1080 96 whole 2" "3840x2160 96 whole 4" "3840x2160 192 whole 4" \
    "1920x1080 96 framed 2"; do
    read -r size dpi window expected <<<"$row"
    case_name="$size at $dpi dpi without 640x480, $window"
    echo "--- $case_name"
    xrandr -s "$size"
    set_x_dpi "$dpi"
    [ "$window" = framed ] && { start_window_manager || fail "$case_name: openbox did not start"; }
    before=$(outputs)
    pictures="$work/desktop/$size-$dpi-$window"
    mkdir -p "$pictures"
    (cd "$work/desktop" && CUPS_SERVER="$work/no-cups.sock" BIO_WINDOW=$window \
      BIO_EXPECTED_SCALE=$expected BIO_PICTURE_FOLDER="$pictures" timeout 120 ./tst_desktop) &
    unit_pid=$!
    wait "$unit_pid" || fail "$case_name: tst_desktop reported failures (above)"
    unit_pid=""
    [ "$(outputs)" = "$before" ] || fail "$case_name: outputs after the test: $(outputs)"
    [ -z "${BIO_KEEP_PICTURES:-}" ] || cp -r "$pictures" "$BIO_KEEP_PICTURES/"
    stop_window_manager
  done

  # The screen changes its size while the program runs: the window follows it.
  case_name="the screen grows and shrinks while the program runs"
  echo "--- $case_name"
  xrandr -s 1920x1080
  "$program" >"$work/program.out" 2>&1 &
  program_pid=$!
  wait_for_window || fail "$case_name: no window"
  for size in 3840x2160 1920x1080; do
    xrandr -s "$size"
    for i in $(seq 30); do
      [ "$(window_geometry)" = "$size+0+0" ] && break
      sleep 0.1
    done
    [ "$(window_geometry)" = "$size+0+0" ] ||
      fail "$case_name: the window lies at $(window_geometry) on a screen of $size"
  done
  kill -TERM "$program_pid"
  expect_program_exit
else
  fail "large screens without 640x480: could not start Xorg with them"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed; the program's last output:"
  cat "$work/program.out"
  exit 1
fi
echo "all display-mode checks passed"
exit 0
}
