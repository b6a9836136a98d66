# A private Wayland compositor for scripts and tests; source this file, then:
#
#   start_weston [--xwayland] [WIDTHxHEIGHT [SCALE]]
#                              weston with its headless backend, 1024x768 at scale 1 by
#                              default (the size in pixels at scale 1), drawing with pixman so
#                              that pictures of its output show what a screen would; without
#                              the desktop shell's panel, which comes up a moment after weston
#                              and would leave the first window maximised beneath it
#   weston_screenshot FILE.png a picture of the whole output, taken by the compositor itself
#   stop_weston
#
# start_weston runs weston in a runtime folder of its own, exports XDG_RUNTIME_DIR and
# WAYLAND_DISPLAY (and DISPLAY, the XWayland server weston starts, with --xwayland) and sets
# WESTON_PID and WESTON_LOG. It returns 77 when weston is not installed and 1 when it did not
# come up. Pictures need weston's --debug, which lets its screenshooter client in.

source "$(dirname "${BASH_SOURCE[0]}")/stop-politely.sh"
WESTON_PID=""
WESTON_LOG=""
weston_work=""

start_weston() {
  local xwayland="" i
  [ "${1:-}" = --xwayland ] && { xwayland=--xwayland; shift; }
  local size=${1:-1024x768} scale=${2:-1}
  command -v weston >/dev/null || { echo "weston is not installed (weston)"; return 77; }
  command -v weston-screenshooter >/dev/null || { echo "weston-screenshooter is missing"; return 77; }
  if [ -n "$xwayland" ] && ! command -v Xwayland >/dev/null; then
    echo "Xwayland is not installed (xwayland)"
    return 77
  fi
  weston_work=$(mktemp -d /tmp/weston.XXXXXX)
  chmod 700 "$weston_work"
  WESTON_LOG="$weston_work/weston.log"
  export XDG_RUNTIME_DIR="$weston_work"
  export WAYLAND_DISPLAY=wayland-test
  unset DISPLAY
  printf '[shell]\npanel-position=none\n' >"$weston_work/weston.ini"
  weston --config="$weston_work/weston.ini" --backend=headless-backend.so --use-pixman \
    --width="${size%x*}" --height="${size#*x}" \
    --scale="$scale" --socket="$WAYLAND_DISPLAY" --idle-time=0 --debug $xwayland \
    >"$WESTON_LOG" 2>&1 &
  WESTON_PID=$!
  for i in $(seq 100); do
    kill -0 "$WESTON_PID" 2>/dev/null || break
    if [ -S "$weston_work/$WAYLAND_DISPLAY" ] && grep -q "launching '.*weston-desktop-shell'" "$WESTON_LOG"; then
      [ -z "$xwayland" ] && return 0
      # XWayland takes the first free display number; weston names it in its log.
      local number
      number=$(sed -n 's/.*xserver listening on display :\([0-9]*\).*/\1/p' "$WESTON_LOG" | tail -n 1)
      if [ -n "$number" ]; then
        export DISPLAY=":$number"
        return 0
      fi
    fi
    sleep 0.1
  done
  echo "weston did not start; its log:"
  tail -n 20 "$WESTON_LOG"
  stop_weston
  return 1
}

weston_screenshot() {
  local into=$1 folder
  folder=$(mktemp -d "$weston_work/shot.XXXXXX")
  (cd "$folder" && timeout 20 weston-screenshooter) || return 1
  mv "$folder"/*.png "$into" && rmdir "$folder"
}

stop_weston() {
  [ -z "$WESTON_PID" ] || stop_politely "$WESTON_PID"
  WESTON_PID=""
  [ -z "$weston_work" ] || rm -rf "$weston_work"
  weston_work=""
}
