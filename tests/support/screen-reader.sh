# Debian's screen reader Orca for tests, speaking into its debug log; source this file, start an
# X server (x-server.sh) and an accessibility bus (atspi-bus.sh) first, then:
#
#   start_screen_reader     a window manager (openbox, which gives windows the focus as a
#                           desktop does), speech-dispatcher with its dummy voice, and Orca;
#                           returns once Orca has said that it is on
#   spoken_lines            what Orca has said so far, one utterance a line
#   stop_screen_reader
#
# start_screen_reader returns 77 when Orca, speech-dispatcher or openbox is not installed and
# 1 when one of them did not come up. Orca's own words (roles such as "push button") come out
# in English, whatever the system's language; the program's texts come out as they are.

screen_reader_support_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$screen_reader_support_dir/stop-politely.sh"
screen_reader_work=""
SCREEN_READER_LOG=""
screen_reader_pids=()

start_screen_reader() {
  local program
  for program in orca speech-dispatcher openbox; do
    command -v "$program" >/dev/null || { echo "$program is not installed"; return 77; }
  done
  [ -n "${DISPLAY:-}" ] && [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] ||
    { echo "start_screen_reader needs an X server and an accessibility bus"; return 1; }
  screen_reader_work=$(mktemp -d /tmp/screen-reader.XXXXXX)
  local work=$screen_reader_work
  mkdir -p "$work/home" "$work/speechd" "$work/run" "$work/prefs"
  chmod 700 "$work/run"
  cp -r /etc/speech-dispatcher/* "$work/speechd/"
  # The dummy voice, played into ALSA's null device: with the default voice and no sound card
  # the speech server never answers, and Orca stops after its second utterance.
  sed -i -E 's|^#AddModule "dummy" +"sd_dummy" +""|AddModule "dummy" "sd_dummy" ""|
             s|^#? *DefaultModule .*|DefaultModule dummy|
             s|^# AudioOutputMethod "pulse"|AudioOutputMethod "alsa"|' "$work/speechd/speechd.conf"
  printf 'pcm.!default {\n  type null\n}\n' >"$work/home/.asoundrc"
  # Orca writes its debug file in blocks and loses the tail when it ends: a line-buffered copy.
  sed "s|open(args.debug_file, 'w')|open(args.debug_file, 'w', buffering=1)|" \
    "$(command -v orca)" >"$work/orca"
  chmod +x "$work/orca"
  SCREEN_READER_LOG="$work/orca.log"

  HOME="$work/home" openbox --sm-disable >"$work/openbox.log" 2>&1 &
  screen_reader_pids+=($!)
  HOME="$work/home" speech-dispatcher -s -C "$work/speechd" -c unix_socket -S "$work/run/sd.sock" \
    -t 0 -L "$work/run" >"$work/speechd.log" 2>&1 &
  screen_reader_pids+=($!)
  local i
  for i in $(seq 100); do
    [ -S "$work/run/sd.sock" ] && break
    sleep 0.1
  done
  [ -S "$work/run/sd.sock" ] || { echo "speech-dispatcher did not start"; stop_screen_reader; return 1; }
  export SPEECHD_ADDRESS="unix_socket:$work/run/sd.sock"
  # Without braille: there is no braille display, and looking for one fills the log with
  # tracebacks.
  HOME="$work/home" GSETTINGS_BACKEND=memory LC_ALL=C.UTF-8 LANGUAGE="" \
    "$work/orca" -u "$work/prefs" --disable braille --debug-file "$SCREEN_READER_LOG" \
    >"$work/orca.out" 2>&1 &
  screen_reader_pids+=($!)
  for i in $(seq 300); do
    grep -q "SPEECH OUTPUT" "$SCREEN_READER_LOG" 2>/dev/null && return 0
    sleep 0.1
  done
  echo "Orca said nothing within 30 s; the end of its output:"
  tail -n 20 "$work/orca.out"
  stop_screen_reader
  return 1
}

spoken_lines() {
  # The log line is "<time> - SPEECH OUTPUT: '<words>'", sometimes followed by the voice used.
  sed -n -E "s/^.* - SPEECH OUTPUT: '(.*)'(\{.*\})?$/\1/p" "$SCREEN_READER_LOG"
}

# Orca first, so that it does not speak into a speech server that is gone; the speech server
# ends its voice module itself.
stop_screen_reader() {
  local i
  for ((i = ${#screen_reader_pids[@]} - 1; i >= 0; i--)); do
    stop_politely "${screen_reader_pids[i]}"
  done
  screen_reader_pids=()
  unset SPEECHD_ADDRESS
  [ -z "$screen_reader_work" ] || rm -rf "$screen_reader_work"
  screen_reader_work=""
}
