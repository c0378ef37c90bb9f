#!/usr/bin/env bash
# Builds the fuzz targets (their own folder, clang) and runs each for a short
# fixed number of executions from its committed seeds.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/fuzz.sh construir
ctest --test-dir build-fuzz --output-on-failure -j2 -L fuzz
