#!/usr/bin/env bash
# Checks the desktop entry and the AppStream data with the validators the desktops use, at
# their strictest: the desktop entry without a warning, the AppStream data without an error,
# warning or hint (pedantic notes are shown), and every text of either in English and German.
set -euo pipefail
base=$1
status=0
fail() { echo "FAIL: $*"; status=1; }

complaints=$(desktop-file-validate "$base.desktop" 2>&1) || true
[ -z "$complaints" ] || fail "desktop-file-validate: $complaints"
report=$(appstreamcli validate --pedantic --no-net "$base.metainfo.xml" 2>&1) || true
echo "$report"
! grep -q '^[EWI]:' <<<"$report" || fail "appstreamcli has errors, warnings or hints (above)"

# Each text once untranslated (English) and once for German, in the same place.
python3 - "$base.metainfo.xml" "$base.desktop" <<'PYTHON' || status=1
import configparser, sys, xml.etree.ElementTree as tree
LANG = "{http://www.w3.org/XML/1998/namespace}lang"
missing = []
for parent in tree.parse(sys.argv[1]).iter():
    for tag in ("summary", "developer_name", "p", "li"):
        texts = [child.get(LANG, "") for child in parent if child.tag == tag]
        if texts and sorted(texts) != sorted(["", "de"] * (len(texts) // 2)) or len(texts) % 2:
            missing.append(f"<{tag}> in <{parent.tag}>: languages {texts}")
entry = configparser.RawConfigParser(strict=True)
entry.optionxform = str
entry.read(sys.argv[2], encoding="utf-8")
fields = entry["Desktop Entry"]
for key in ("GenericName", "Comment", "Keywords"):
    if key not in fields or f"{key}[de]" not in fields:
        missing.append(f"desktop entry: {key} without English and German")
for line in missing:
    print("FAIL:", line)
sys.exit(1 if missing else 0)
PYTHON
[ "$status" -eq 0 ] && echo "desktop entry and AppStream data are valid, in English and German"
exit "$status"
