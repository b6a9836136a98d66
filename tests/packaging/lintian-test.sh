#!/usr/bin/env bash
# Builds the Debian package and reads it as a Debian packager would: lintian at its strictest
# (-I --pedantic) finds no error or warning and no missing hardening; the package carries its
# copyright file, changelog and both manual pages, which render with every section; it has no
# maintainer scripts (its libraries are private, found through RUNPATH); optional parts are
# recommended, not required. Everything lintian says is shown, the package's overrides with
# their reasons too.
set -euo pipefail
build=$1
command -v lintian >/dev/null || { echo "skipped: lintian is missing"; exit 77; }
command -v man >/dev/null || { echo "skipped: man is missing"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }

(cd "$build" && cpack -G DEB >"$work/cpack.log") || { cat "$work/cpack.log"; exit 1; }
deb=$(ls -1t "$build"/biorhythmus_*.deb | head -n 1)
dpkg-deb -x "$deb" "$work/root"
dpkg-deb -e "$deb" "$work/control"

lintian -I --pedantic --show-overrides --tag-display-limit 0 "$deb" >"$work/lintian.txt" 2>&1 ||
  true
echo "lintian -I --pedantic --show-overrides $(basename "$deb"):"
grep -v 'running with root privileges' "$work/lintian.txt" || true
grep -q '^[EW]: ' "$work/lintian.txt" && fail "lintian reports errors or warnings"
grep -q '^[EWIP]: .* hardening-' "$work/lintian.txt" && fail "lintian finds binaries without hardening"

doc=$work/root/usr/share/doc/biorhythmus
[ -f "$doc/copyright" ] && head -n 1 "$doc/copyright" | grep -q '^Format: .*copyright-format/1.0/' ||
  fail "no machine-readable copyright file"
zcat "$doc/changelog.Debian.gz" 2>/dev/null |
  grep -q "^biorhythmus ($(dpkg-deb -f "$deb" Version)) " ||
  fail "changelog.Debian.gz does not begin with the package's version"
ls "$work/control" | grep -Eq '^(pre|post)(inst|rm)$' &&
  fail "the package has maintainer scripts: $(ls "$work/control" | tr '\n' ' ')"
recommends=$(dpkg-deb -f "$deb" Recommends)
for optional in cups-client qt6-wayland; do
  grep -qw "$optional" <<<"$recommends" || fail "$optional is not recommended"
  dpkg-deb -f "$deb" Depends | grep -qw "$optional" && fail "$optional is a hard dependency"
done

# Each manual page, read as man reads it: no complaint from groff, and every section.
check_page() {
  local page=$1 sections=$2 rendered section
  [ -f "$page" ] || { fail "no manual page ${page#"$work/root"}"; return; }
  rendered=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>"$work/groff.txt" | col -b)
  [ -s "$work/groff.txt" ] && fail "${page#"$work/root"}: $(cat "$work/groff.txt")"
  while IFS= read -r section; do
    grep -qx "$section" <<<"$rendered" || fail "${page#"$work/root"}: no section $section"
  done <<<"$sections"
  grep -A 30 -x "$(sed -n 5p <<<"$sections")" <<<"$rendered" | grep -q '^ *141 ' ||
    fail "${page#"$work/root"}: exit status 141 is not named"
}
man=$work/root/usr/share/man
check_page "$man/man1/biorhythmus.1.gz" "NAME
SYNOPSIS
DESCRIPTION
OPTIONS
EXIT STATUS
ENVIRONMENT
FILES
EXAMPLES
SEE ALSO"
check_page "$man/de/man1/biorhythmus.1.gz" "NAME
ÜBERSICHT
BESCHREIBUNG
OPTIONEN
RÜCKGABEWERT
UMGEBUNG
DATEIEN
BEISPIELE
SIEHE AUCH"

[ "$status" -eq 0 ] && echo "lintian finds no error or warning; copyright, changelog and both manual pages are right"
exit "$status"
