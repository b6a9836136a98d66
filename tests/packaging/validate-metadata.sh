#!/usr/bin/env bash
# Checks the desktop entry and the AppStream data with the validators the desktops use.
set -euo pipefail
base=$1
desktop-file-validate "$base.desktop"
appstreamcli validate --no-net "$base.metainfo.xml"
echo "desktop entry and AppStream data are valid"
