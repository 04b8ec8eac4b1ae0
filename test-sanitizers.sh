#!/usr/bin/env bash
# Builds the project with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitize/ and runs the whole test suite there. Any sanitizer report
# fails the test it comes from; only the known leaks of the libraries we use
# are suppressed (tools/lsan.supp says whose each one is).
set -euo pipefail
cd "$(dirname "$0")"
source tools/common.sh

install_missing "${run_packages[@]}" "${test_packages[@]}"
build build-sanitize -DSOLVETRA_SANITIZE=ON
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
cd build-sanitize
# The screen-reader play is left out here: it checks what Orca says, which the
# sanitizers do not change, and under them the play does not finish in time.
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 -E '^orca_play$'
