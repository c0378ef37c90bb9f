#!/usr/bin/env bash
# Start-up of tarvolo.exe under Wine against the smallest Win32 tray program
# that greets as it does, and against the Linux program, side by side on one
# virtual X server with a real notification area (trayer): median over N runs
# of the time from exec to the icon docked (Wine shows balloons about two
# seconds late whoever asks, so they are left out), and of the resident
# memory once settled (Wine's own processes not counted).
#   medir_wine.sh BUILD_WINDOWS BUILD_LINUX [N]
# BUILD_LINUX is a Linux build with the benchmarks (cronometro).
set -euo pipefail
windows=$(readlink -f "$1"); linux=$(readlink -f "$2"); veces=${3:-9}
cronometro=$linux/bench/arranque/cronometro

source "$(dirname "$0")/../../scripts/escritorio_virtual.sh"
tmp=$(mktemp -d)
sesion_privada "$tmp/sesion"
iniciar_xvfb /dev/null
iniciar_trayer /dev/null

x86_64-w64-mingw32-g++-posix -O2 -s -static -municode -mwindows \
  "$(dirname "$0")/bandeja_minima_win32.cpp" -o "$tmp/bandeja_minima.exe"
export WINEPREFIX="$tmp/prefijo" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=$(command -v /usr/lib/wine/wine64 || command -v wine64 || command -v wine)
wineserver=$(command -v /usr/lib/wine/wineserver || command -v wineserver)
trap '"$wineserver" -k 2>/dev/null || true; terminar_procesos' EXIT
# Wine's server and desktop stay up between runs, as on a desktop where
# Windows is already running; one run of each first warms them.
mkdir -p "$WINEPREFIX"
"$wineserver" -p >/dev/null 2>&1
LC_ALL=es_ES.UTF-8 "$wine" wineboot --init >/dev/null 2>&1
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
# Windows in Spanish, as the tests run it.
es=(env LC_ALL=es_ES.UTF-8)
"${es[@]}" "$cronometro" "$wine" "$tmp/bandeja_minima.exe" >/dev/null || true
"${es[@]}" "$cronometro" "$wine" "$windows/tarvolo.exe" >/dev/null || true

mediana() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
: >"$tmp/m"; : >"$tmp/w"; : >"$tmp/l"
for _ in $(seq "$veces"); do
  # A run whose icon never docks (Wine's docking fails now and then) has no
  # figure; the report says how many runs each median is of.
  "${es[@]}" "$cronometro" "$wine" "$tmp/bandeja_minima.exe" >>"$tmp/m" || true
  "${es[@]}" "$cronometro" "$wine" "$windows/tarvolo.exe" >>"$tmp/w" || true
  "$cronometro" "$linux/tarvolo" >>"$tmp/l" || true
done
informe() {  # name file
  printf '%-26s %6s ms hasta el icono, %6s kB residentes (%d de %d veces)\n' "$1" \
    "$(cut -d' ' -f1 "$2" | mediana)" "$(cut -d' ' -f2 "$2" | mediana)" "$(wc -l <"$2")" "$veces"
}
informe "bandeja mínima (Wine):" "$tmp/m"
informe "tarvolo.exe (Wine):" "$tmp/w"
informe "tarvolo (Linux, Qt):" "$tmp/l"
awk -v a="$(cut -d' ' -f1 "$tmp/w" | mediana)" -v b="$(cut -d' ' -f1 "$tmp/m" | mediana)" \
  -v c="$(cut -d' ' -f2 "$tmp/w" | mediana)" -v d="$(cut -d' ' -f2 "$tmp/m" | mediana)" \
  'BEGIN {printf "razón tarvolo.exe / mínima: tiempo %.2f, memoria %.2f\n", a/b, c/d}'
rm -rf "$tmp"
