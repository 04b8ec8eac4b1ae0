#!/bin/bash
# Refreshes translations/solvetra_*.ts from the sources: new texts come in
# unfinished, texts gone from the sources are dropped. Run it after adding
# texts, then translate what Qt Linguist shows as unfinished.
#   tools/update-translations.sh [source folder]   (the checkout by default)
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail

root="$(cd "${1:-$(dirname "$0")/..}" && pwd)"
lupdate="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
[ -x "$lupdate" ] || lupdate="$(command -v lupdate6 || command -v lupdate)"

cd "$root"
"$lupdate" -silent -no-obsolete -locations relative -I . \
    app files format print quiz record ui \
    -ts translations/solvetra_de.ts translations/solvetra_es.ts translations/solvetra_en.ts
