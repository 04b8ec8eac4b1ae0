#!/usr/bin/env bash
# Installs what building and playing need, builds and starts the quiz.
set -euo pipefail
cd "$(dirname "$0")"
source tools/common.sh

install_missing "${run_packages[@]}"
build
# The program itself checks that the display can be reached: without one it
# prints a one-line message and exits with status 1.
exec build/app/solvetra
