#!/usr/bin/env bash
# Builds the Debian package and reads it with lintian: the command has its manual page, and
# lintian finds nothing to say about the page.
set -euo pipefail
build=$1
command -v lintian >/dev/null || { echo "skipped: lintian is missing"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB >"$work/cpack.log") || { cat "$work/cpack.log"; exit 1; }
deb=$(ls -1t "$build"/biorhythmus_*.deb | head -n 1)
dpkg-deb -c "$deb" >"$work/contents.txt"
grep -q ' \./usr/share/man/man1/biorhythmus\.1\.gz$' "$work/contents.txt" ||
  { echo "FAIL: no manual page biorhythmus.1.gz in $deb"; exit 1; }
lintian --no-tag-display-limit "$deb" >"$work/lintian.txt" 2>&1 || true
if grep -E 'manual-page|manpage|groff-message|whatis' "$work/lintian.txt"; then
  echo "FAIL: lintian has the above to say about the manual page"
  exit 1
fi
echo "the package carries its manual page, and lintian finds nothing wrong with it"
