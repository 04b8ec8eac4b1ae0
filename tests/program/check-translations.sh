#!/bin/bash
# Every text of the sources is in each .ts file, translated: lupdate, run over
# a copy of the sources and the .ts files, must find no text unfinished (new
# in the sources, or never translated) and none vanished or obsolete (gone
# from the sources), and no translation may be empty.
#   check-translations.sh SOURCE_FOLDER
# SPDX-License-Identifier: GPL-3.0-or-later
set -u

source_folder="$1"
lupdate="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
if [ ! -x "$lupdate" ]; then
    echo "SKIP: no lupdate at $lupdate (Debian qt6-l10n-tools)"
    exit 77
fi

copy="$(mktemp -d)"
trap 'rm -rf "$copy"' EXIT
cp -r "$source_folder"/{app,files,format,print,quiz,record,ui,translations,tools} "$copy"/
# An untranslated copy would be hidden by the refresh; the check reads what lupdate leaves.
if ! SOLVETRA_KEEP_OBSOLETE=1 LUPDATE="$lupdate" "$copy/tools/update-translations.sh" "$copy" \
    >"$copy/lupdate.log" 2>&1; then
    echo "lupdate failed:"; cat "$copy/lupdate.log"; exit 1
fi

status=0
for ts in "$copy"/translations/solvetra_*.ts; do
    name="$(basename "$ts")"
    [ -s "$ts" ] || { echo "$name: empty"; status=1; continue; }
    messages=$(grep -c '<message' "$ts")
    [ "$messages" -gt 0 ] || { echo "$name: no messages"; status=1; }
    if grep -qE 'type="(unfinished|vanished|obsolete)"|<translation></translation>|<translation/>' "$ts"; then
        echo "$name: texts to translate or to drop (tools/update-translations.sh, then Qt Linguist):"
        grep -B3 -E 'type="(unfinished|vanished|obsolete)"|<translation></translation>|<translation/>' "$ts" |
            grep '<source>'
        status=1
    fi
done
exit $status
