#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build tree, unpacks it into a temporary
# root and checks what a school's computers would get: the files where the
# desktop looks for them, the package fields, and a binary that starts.
# Usage: check-deb.sh BUILD_DIR VERSION. Exit 77 (skipped) without the tools.
set -euo pipefail
build=$1 version=$2
id=example.solvetra.solvetra

# Every tool that this script and CPack's DEB generator call and that a Debian
# system may lack, with the package that brings it.
missing=()
for pair in cpack:cmake dpkg:dpkg dpkg-deb:dpkg dpkg-shlibdeps:dpkg-dev file:file \
    readelf:binutils strip:binutils; do
    command -v "${pair%%:*}" >/dev/null || missing+=("${pair%%:*} (package ${pair#*:})")
done
if [ ${#missing[@]} -gt 0 ]; then
    printf -v list '%s, ' "${missing[@]}"
    echo "SKIP: the .deb is not checked, missing: ${list%, }"
    exit 77
fi

tmp=$(mktemp -d)
pid=
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$tmp"; }
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1 \
    || { cat "$tmp/cpack.log"; echo "FAIL: cpack -G DEB"; exit 1; }
deb=$tmp/out/solvetra_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { ls "$tmp/out"; echo "FAIL: $deb was not built"; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Section)" = education ] || fail "Section is '$(field Section)'"
[ "$(field Package)" = solvetra ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
for dependency in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins qt6-translations-l10n \
    fonts-liberation libqt6sql6-sqlite libqt6sql6-psql 'libxlsxwriter[0-9]+'; do
    field Depends | grep -Eq "(^|, )$dependency( |,|$)" || fail "Depends lacks $dependency"
done
# A calculator for "Calcolatrice", the small one that ./run.sh installs among them.
field Recommends | grep -Eq '(^|\| )galculator( |$)' || fail "Recommends lacks galculator"
field Maintainer | grep -q '^Solvetra maintainers <' || fail "Maintainer is '$(field Maintainer)'"
[ "$(field Description | wc -l)" -gt 3 ] || fail "Description has no long text"

root=$tmp/root
dpkg-deb -x "$deb" "$root"
expected=(
    usr/bin/solvetra
    usr/share/applications/$id.desktop
    usr/share/applications/$id-teacher.desktop
    usr/share/icons/hicolor/scalable/apps/$id-teacher.svg
    usr/share/metainfo/$id.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/$id.svg
    usr/share/man/man1/solvetra.1.gz
    usr/share/man/it/man1/solvetra.1.gz
    usr/share/man/de/man1/solvetra.1.gz
    usr/share/man/es/man1/solvetra.1.gz
    usr/share/doc/solvetra/copyright
    usr/share/doc/solvetra/changelog.gz
    usr/share/solvetra/school-server.sql
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
               "usr/share/icons/hicolor/${size}x${size}/apps/$id-teacher.png")
done
for file in "${expected[@]}"; do
    [ -s "$root/$file" ] || fail "missing $file"
done
[ -x "$root/usr/bin/solvetra" ] || fail "usr/bin/solvetra is not executable"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$id.metainfo.xml" \
    || fail "metainfo has no release $version"

# --version needs no display at all.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/solvetra" --version) \
    || fail "--version exited with $?"
[ "$out" = "solvetra $version" ] || fail "--version printed '$out'"

# Offscreen, Qt's paint log shows the main window being drawn and flushed.
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.widgets.painting=true' \
    "$root/usr/bin/solvetra" >"$tmp/run.log" 2>&1 &
pid=$!
for _ in $(seq 100); do
    grep -q 'Flushing .* of ui::Tavola' "$tmp/run.log" && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if grep -q 'Flushing .* of ui::Tavola' "$tmp/run.log"; then
    kill "$pid"
    wait "$pid" 2>/dev/null || true
else
    tail -20 "$tmp/run.log"
    fail "the window did not come up within 10 s"
fi
pid=

[ "$failures" -eq 0 ] || exit 1
echo "OK: $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB) installs a working tree"
