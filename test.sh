#!/usr/bin/env bash
# Installs what building and the tests need, builds and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
source tools/common.sh

install_missing "${run_packages[@]}" "${test_packages[@]}"
build
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300
