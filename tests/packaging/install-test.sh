#!/usr/bin/env bash
# Builds the Debian package, installs it with apt, starts the installed program without a
# display and checks that it finds its libraries, writes a chart picture, runs, plays its clip
# and keeps the person file in the user's data folder. The package is removed again on every
# way out.
set -euo pipefail
build=$1
clip_shown=$2
if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null; then
  echo "skipped: installing a package needs root and apt"
  exit 77
fi
if dpkg-query -W -f='${Status}' biorhythmus 2>/dev/null | grep -q 'install ok installed'; then
  echo "skipped: a biorhythmus package is already installed on this machine"
  exit 77
fi

source "$(dirname "$0")/../support/x-server.sh"
work=$(mktemp -d)
cleanup() {
  stop_x_server
  DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq biorhythmus >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && cpack -G DEB >"$work/cpack.log") || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls -1t "$build"/biorhythmus_*.deb | head -n 1)
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$work/apt.log" 2>&1 ||
  { cat "$work/apt.log"; fail "apt-get install $deb"; }

[ "$(readlink -f /usr/bin/biorhythmus)" = /usr/lib/biorhythmus/biorhythmus ] ||
  fail "/usr/bin/biorhythmus does not lead to /usr/lib/biorhythmus/biorhythmus"
[ -f /usr/lib/biorhythmus/za.vdi ] || fail "the clip is not beside the installed program"
[ -f /usr/share/applications/de.biorhythmus.Biorhythmus.desktop ] || fail "no desktop entry"
for size in 32x32 48x48 64x64 128x128 scalable; do
  ls /usr/share/icons/hicolor/$size/apps/de.biorhythmus.Biorhythmus.* >/dev/null 2>&1 ||
    fail "no icon in hicolor/$size"
done
[ "$(man -w biorhythmus)" = /usr/share/man/man1/biorhythmus.1.gz ] ||
  fail "man biorhythmus finds $(man -w biorhythmus 2>&1), not the English page"
[ "$(man -L de -w biorhythmus)" = /usr/share/man/de/man1/biorhythmus.1.gz ] ||
  fail "man -L de biorhythmus finds $(man -L de -w biorhythmus 2>&1), not the German page"

export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# The program and its libraries find each other in their folder, and the pictures' library,
# loaded only for --png, --pdf and --svg, is there too.
missing=$(ldd /usr/lib/biorhythmus/biorhythmus /usr/lib/biorhythmus/*.so | grep 'not found' || true)
[ -z "$missing" ] || fail "libraries not found by the installed program: $missing"
biorhythmus --birth 20.11.1953 --date 01.01.2000 --png "$work/chart.png" >"$work/png.log" 2>&1 ||
  { cat "$work/png.log"; fail "the installed program wrote no chart picture"; }
[ "$(head -c 8 "$work/chart.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
  fail "the chart picture is no PNG"

start_x_server xvfb 640x480 || fail "Xvfb did not start"

# Start-up, first frame and exit through the program's own path.
BIORHYTHMUS_SCREENSHOT="$work/start.png" timeout 60 biorhythmus >"$work/run.log" 2>&1 ||
  { cat "$work/run.log"; fail "the installed program did not start and end cleanly"; }
[ -s "$work/start.png" ] || fail "no picture of the first frame"
QT_QPA_PLATFORM=offscreen "$clip_shown" "$work/start.png" || fail "the clip is not shown"

# Open the person editor and leave it: the closing writes the person file.
biorhythmus >"$work/editor.log" 2>&1 &
program=$!
for _ in $(seq 100); do xdotool search --name '^Biorhythmus$' >/dev/null 2>&1 && break; sleep 0.1; done
sleep 1
# Docks match a window to its desktop entry by the X11 class, the entry's StartupWMClass.
wm_class=$(sed -n 's/^StartupWMClass=//p' /usr/share/applications/de.biorhythmus.Biorhythmus.desktop)
window_classes=$(for window in $(xdotool search --name '^Biorhythmus$'); do
  xprop -id "$window" WM_CLASS | grep '^WM_CLASS(' || true; done)
grep -q "^WM_CLASS(STRING) = \"[^\"]*\", \"$wm_class\"$" <<<"$window_classes" ||
  fail "the window's class ($window_classes) is not the desktop entry's StartupWMClass \"$wm_class\""
xdotool mousemove 305 12 click 1         # the person database button
sleep 1
xdotool key Escape                        # leave the editor; it saves the list
for _ in $(seq 50); do [ -f "$XDG_DATA_HOME/Biorhythmus/DATA.DAT" ] && break; sleep 0.1; done
kill -TERM "$program"
wait "$program" || true
[ -f "$XDG_DATA_HOME/Biorhythmus/DATA.DAT" ] ||
  { cat "$work/editor.log"; fail "no person file in the user's data folder"; }
[ ! -e /usr/lib/biorhythmus/DATA.DAT ] || fail "the program wrote into its installed folder"

echo "installed package starts, shows its clip and keeps DATA.DAT in the user's data folder"
