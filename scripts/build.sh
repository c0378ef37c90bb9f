#!/usr/bin/env bash
# Configures and builds one build directory: build.sh DIR [cmake options...]
# Prints only what is worth reading (warnings, errors), not ninja's progress.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1; shift
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
set +e
ninja -C "$dir" | { grep -v -E '^(\[[0-9]+/[0-9]+\] |ninja: (Entering directory|no work to do))' || true; }
status=${PIPESTATUS[0]}
set -e
exit "$status"
