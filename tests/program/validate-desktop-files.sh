#!/usr/bin/env bash
# The desktop entry and the AppStream data as the desktop's own validators see
# them: any error or warning fails; AppStream's notes ("I:") are allowed.
# Usage: validate-desktop-files.sh DESKTOP_FILE METAINFO_FILE
# SPDX-License-Identifier: GPL-3.0-or-later
set -uo pipefail
desktop=$1 metainfo=$2

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is missing (packages desktop-file-utils, appstream)"
        exit 77
    fi
done

status=0
report=$(desktop-file-validate "$desktop" 2>&1)
if [ -n "$report" ]; then
    echo "desktop-file-validate $desktop:"; echo "$report"; status=1
fi
report=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1)
if [ $? -ne 0 ] || grep -qE '^(E|W):' <<<"$report"; then
    echo "appstreamcli validate $metainfo:"; echo "$report"; status=1
fi
exit $status
