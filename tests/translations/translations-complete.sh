#!/usr/bin/env bash
# translations-complete.sh <lupdate> <file.ts> <lupdate arguments...>
# Reads the sources into a copy of the translation file, as `ninja update_translations` would,
# and fails when a text is left without its translation (new, unfinished or empty) or the file
# keeps one the program no longer shows (vanished or obsolete), naming each.
set -euo pipefail
lupdate=$1
ts=$2
shift 2
copy=$(mktemp --suffix=.ts)
trap 'rm -f "$copy"' EXIT
cp "$ts" "$copy"
"$lupdate" "$@" -ts "$copy" >/dev/null
missing=$(grep -B1 -E '<translation type="(unfinished|vanished|obsolete)"|<translation></translation>' "$copy" |
  grep '<source>' || true)
if [ -n "$missing" ]; then
  echo "Texts of $(basename "$ts") without a translation, or no longer in the program:"
  echo "$missing"
  exit 1
fi
echo "$(grep -c '<source>' "$copy") texts, every one translated"
