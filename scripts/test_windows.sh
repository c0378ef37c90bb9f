#!/usr/bin/env bash
# The Windows step: cross-builds calendar, tables, the companion, the
# windows' back end and their tests with MinGW-w64 (preset "windows", in
# build-windows/) and runs the tests under Wine. Wine's server is started
# once, persistent, before CTest and stopped after, whatever the tests did:
# without it every test would start its own, and Wine's helper processes can
# keep CTest's output open.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh

inicio=$SECONDS
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake --preset windows "${launcher[@]}" >/dev/null
set +e
cmake --build --preset windows | { grep -v -E '^(\[[0-9]+/[0-9]+\] |ninja: (Entering directory|no work to do))' || true; }
status=${PIPESTATUS[0]}
set -e
[ "$status" -eq 0 ] || exit "$status"

export WINEPREFIX="$PWD/build-windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine names a file on the disk in the code page of the caller's locale: a
# machine with none set (a fresh install sets no LANG) could not hold a file
# whose name has an accent.
export LC_ALL=C.UTF-8
wineserver=$(command -v /usr/lib/wine/wineserver || command -v wineserver)
wine=$(command -v /usr/lib/wine/wine64 || command -v wine64 || command -v wine)
mkdir -p "$WINEPREFIX"
"$wineserver" -p
trap '"$wineserver" -k 2>/dev/null || true' EXIT
# The first Wine call lays out a new prefix and, on every run, starts the
# server's helper processes; done here, not inside a test, whose output the
# helpers would hold open until CTest's time-out.
"$wine" wineboot --init >/dev/null 2>&1
# The windows' tests make real windows. Wine's null display driver takes
# them without an X server; the desktop process picks its driver when it
# starts, so a prefix that has just been switched starts Wine again.
if ! grep -q '^"Graphics"="null"' "$WINEPREFIX/user.reg" 2>/dev/null; then
  "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  "$wineserver" -k
  "$wineserver" -w
  "$wineserver" -p
  "$wine" wineboot --init >/dev/null 2>&1
fi

ctest --preset windows
echo "windows: $(stat -c %s build-windows/cli/tarvolo-cli.exe) bytes in tarvolo-cli.exe; $((SECONDS - inicio)) s"
