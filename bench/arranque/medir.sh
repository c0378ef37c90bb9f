#!/usr/bin/env bash
# Start-up of the tray program against the smallest Qt tray program that
# greets as it does, on a virtual X server with a real notification area
# (trayer): median over N runs of the time from exec to the icon in the tray
# and the balloon on screen, and of the resident memory once settled.
#   medir.sh BUILD_DIR [N]
set -euo pipefail
build=$1; veces=${2:-9}
cronometro=$build/bench/arranque/cronometro

source "$(dirname "$0")/../../scripts/escritorio_virtual.sh"
sesion_privada "$(mktemp -d)"
iniciar_xvfb /dev/null
iniciar_trayer /dev/null

mediana() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

: >/tmp/arranque_m; : >/tmp/arranque_t
for _ in $(seq "$veces"); do
  "$cronometro" --globo "$build/bench/arranque/bandeja_minima" >>/tmp/arranque_m
  "$cronometro" --globo "$build/tarvolo" >>/tmp/arranque_t
done
mt=$(cut -d' ' -f1 /tmp/arranque_m | mediana); mr=$(cut -d' ' -f2 /tmp/arranque_m | mediana)
tt=$(cut -d' ' -f1 /tmp/arranque_t | mediana); tr=$(cut -d' ' -f2 /tmp/arranque_t | mediana)
echo "bandeja mínima: ${mt} ms hasta icono y globo, ${mr} kB residentes"
echo "tarvolo:        ${tt} ms hasta icono y globo, ${tr} kB residentes"
awk -v a="$tt" -v b="$mt" -v c="$tr" -v d="$mr" 'BEGIN {printf "razón: tiempo %.2f, memoria %.2f\n", a/b, c/d}'
