#!/usr/bin/env bash
# Installs what is missing, builds and starts the quiz.
set -euo pipefail
cd "$(dirname "$0")"
source tools/common.sh

install_missing
build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "solvetra: no graphical display found (DISPLAY is not set); start it from a desktop session." >&2
    exit 1
fi
exec build/app/solvetra
