# A private X server for scripts and tests; source this file, then:
#
#   start_x_server xvfb [WIDTHxHEIGHT]   a virtual framebuffer (any user)
#   start_x_server xorg [WIDTHxHEIGHT] [CONFIG]
#                                        Xorg with the dummy video driver, whose modes can
#                                        be switched like a real screen's (root only); CONFIG
#                                        names another configuration in this folder
#                                        (xorg-dummy-wide.conf: a screen without 640x480)
#   set_x_dpi DPI                        the desktop's font resolution (Xft.dpi), which Qt
#                                        reads as the desktop's scale: 192 is a 200 % desktop
#   start_window_manager                 openbox on that server, which frames, places and
#                                        stacks windows as a desktop does; returns 77 when
#                                        openbox is not installed
#   stop_window_manager
#   stop_x_server
#
# start_x_server picks a free display number through the server itself (-displayfd), waits until
# the server answers, exports DISPLAY and sets X_SERVER_PID and X_SERVER_LOG. It returns 77 when
# this machine cannot run that kind of server and 1 when the server did not come up.
# WIDTHxHEIGHT defaults to 640x480 for Xvfb and 1024x768 for Xorg (its config offers 1024x768,
# 800x600 and 640x480).

x_server_support_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$x_server_support_dir/stop-politely.sh"
X_SERVER_PID=""
X_SERVER_LOG=""
x_server_work=""
window_manager_pid=""

start_x_server() {
  local kind=$1 size=${2:-} config=${3:-xorg-dummy.conf} display="" display_fd
  local -a command
  x_server_work=$(mktemp -d /tmp/x-server.XXXXXX)
  X_SERVER_LOG="$x_server_work/server.log"
  case "$kind" in
  xvfb)
    command -v Xvfb >/dev/null || { echo "Xvfb is not installed (xvfb)"; return 77; }
    command=(Xvfb -screen 0 "${size:-640x480}x24" -nolisten tcp -noreset)
    ;;
  xorg)
    [ "$(id -u)" -eq 0 ] || { echo "Xorg with a custom config needs root"; return 77; }
    command -v Xorg >/dev/null || { echo "Xorg is not installed (xserver-xorg-core)"; return 77; }
    [ -e /usr/lib/xorg/modules/drivers/dummy_drv.so ] ||
      { echo "the dummy video driver is not installed (xserver-xorg-video-dummy)"; return 77; }
    mkdir -p "$x_server_work/conf.d"
    command=(Xorg -config "$x_server_support_dir/$config" -configdir "$x_server_work/conf.d"
      -noreset -nolisten tcp -novtswitch -sharevts -logfile "$x_server_work/Xorg.log")
    ;;
  *)
    echo "start_x_server: unknown kind '$kind'"
    return 1
    ;;
  esac
  exec {display_fd}<> <(:)
  "${command[@]}" -displayfd "$display_fd" >"$X_SERVER_LOG" 2>&1 &
  X_SERVER_PID=$!
  read -r -t 20 -u "$display_fd" display || true
  exec {display_fd}>&-
  if [ -z "$display" ]; then
    echo "$kind did not start; its log:"
    tail -n 20 "$X_SERVER_LOG" "$x_server_work/Xorg.log" 2>/dev/null
    stop_x_server
    return 1
  fi
  export DISPLAY=":$display"
  if [ "$kind" = xorg ] && [ -n "$size" ]; then
    xrandr -s "$size" || { echo "Xorg could not switch to $size"; stop_x_server; return 1; }
  fi
  return 0
}

set_x_dpi() {
  echo "Xft.dpi: $1" | xrdb -merge
}

start_window_manager() {
  command -v openbox >/dev/null || { echo "openbox is not installed"; return 77; }
  mkdir -p "$x_server_work/home"
  HOME="$x_server_work/home" openbox --sm-disable >"$x_server_work/openbox.log" 2>&1 &
  window_manager_pid=$!
  # openbox names itself on the root window once it manages the screen.
  local i
  for i in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  echo "openbox did not start; its log:"
  tail -n 20 "$x_server_work/openbox.log"
  stop_window_manager
  return 1
}

stop_window_manager() {
  [ -z "$window_manager_pid" ] || stop_politely "$window_manager_pid"
  window_manager_pid=""
}

# Stops the server politely first, so that it removes its lock file and socket itself.
stop_x_server() {
  stop_window_manager
  if [ -n "$X_SERVER_PID" ]; then
    stop_politely "$X_SERVER_PID"
    local number=${DISPLAY:-}; number=${number#:}
    local lock="/tmp/.X$number-lock"
    if [ -e "$lock" ] && [ "$(tr -d ' \n' <"$lock")" = "$X_SERVER_PID" ]; then
      rm -f "$lock" "/tmp/.X11-unix/X$number"
    fi
  fi
  X_SERVER_PID=""
  [ -z "$x_server_work" ] || rm -rf "$x_server_work"
  x_server_work=""
}
