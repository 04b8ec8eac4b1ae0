#!/bin/bash
# Refreshes translations/solvetra_*.ts from the sources: new texts come in
# unfinished, texts gone from the sources are dropped (kept, marked vanished,
# with SOLVETRA_KEEP_OBSOLETE=1). Run it after adding or merging texts, then
# translate what Qt Linguist shows as unfinished, following
# translations/GLOSSARY.md.
#   tools/update-translations.sh [source folder]   (the checkout by default)
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail

root="$(cd "${1:-$(dirname "$0")/..}" && pwd)"
lupdate="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
[ -x "$lupdate" ] || lupdate="$(command -v lupdate6 || command -v lupdate)"

obsolete=(-no-obsolete)
[ -n "${SOLVETRA_KEEP_OBSOLETE:-}" ] && obsolete=()

cd "$root"
# -I . lets lupdate read the headers, and so name a class's context with
# its namespace (ui::Tavola), as tr() does at run time.
"$lupdate" -silent "${obsolete[@]}" -locations relative -I . \
    app files format print quiz record ui \
    -ts translations/solvetra_de.ts translations/solvetra_es.ts translations/solvetra_en.ts
