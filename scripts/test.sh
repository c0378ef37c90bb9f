#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs the whole
# test suite; then builds the tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer and runs them once more.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/comprobar_ordenes.sh

./scripts/build.sh build-test -DTARVOLO_WERROR=ON -DTARVOLO_BENCH=ON
ctest --test-dir build-test --output-on-failure -j2

# The desktop and print-server tests drive real external programs; running
# them twice adds nothing the first run did not show.
./scripts/build.sh build-asan -DTARVOLO_WERROR=ON -DTARVOLO_SANITIZE=ON -DTARVOLO_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=Debug
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions="$PWD/scripts/lsan.supp" \
  ctest --test-dir build-asan --output-on-failure -j2 -LE 'e2e|cups'
./scripts/test_windows.sh
./scripts/test_fuzz.sh
./scripts/test_paquete.sh
