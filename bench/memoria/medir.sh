#!/usr/bin/env bash
# Resident memory of the tray program over a day of use, on a virtual X
# server with a real notification area (trayer): after start-up, then after
# opening each of the three windows from the icon's menu N1 and N2 times in
# turn (each choice of the menu unloads the other two).
#   medir.sh BUILD_DIR [N1 [N2]]     (250 and 1000 by default)
# Prints one line per point, and the ratio of the last to the start-up.
set -euo pipefail
build=$1; n1=${2:-250}; n2=${3:-1000}
fuentes=$(cd "$(dirname "$0")/../.." && pwd)

source "$fuentes/scripts/escritorio_virtual.sh"
sesion_privada "$(mktemp -d)"
ESCRITORIO_LIMITE=7200
iniciar_xvfb /dev/null
iniciar_trayer /dev/null

timeout "$ESCRITORIO_LIMITE" "$build/tarvolo" >/dev/null 2>&1 &
pids+=($!)
# The program itself, not the timeout that holds it.
esperar 10 pgrep -P "$!" || { echo "medir: el programa no arrancó" >&2; exit 1; }
pid=$(pgrep -P "$!")
rss() { awk '/^VmRSS:/ {print $2}' "/proc/$pid/status"; }
icono() { xwininfo -root -tree | awk '/\("tarvolo" "Tarvolo"\)/ && / 22x22\+/ {print $1; exit}' | grep .; }
esperar 30 icono || { echo "medir: el icono no llegó al área de notificación" >&2; exit 1; }
read -r ix iy < <(xwininfo -id "$(icono)" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x+11, y+11}')
# Settled: the splash shown and gone again.
esperar_presentacion 30 || { echo "medir: la presentación no se mostró y cerró" >&2; exit 1; }
agarrado() { /usr/bin/python3 "$fuentes/tests/e2e/pantalla.py" agarrado; }

# A right click on the icon, answered by the menu taking the keyboard. A click
# in the instant a window just opened takes the focus is lost (the menu shuts
# as soon as it opens), so one with no answer is made again.
abrir_menu() {
  xdotool mousemove "$ix" "$iy" click 3
  esperar 1 agarrado
}

# One choice from the menu: $1 Down presses, $2 the title it opens.
elegir() {
  esperar 30 abrir_menu || { echo "medir: el menú no se abrió" >&2; exit 1; }
  xdotool key --repeat "$1" --delay 20 Down key Return
  esperar 20 eval '! agarrado' || { echo "medir: el menú no se cerró" >&2; exit 1; }
  esperar_ventana 20 "$2" >/dev/null ||
    { echo "medir: no se abrió «$2»" >&2; exit 1; }
}

inicio=$(rss)
echo "arranque: $inicio kB"
hechas=0
for meta in "$n1" "$n2"; do
  while [ "$hechas" -lt "$meta" ]; do
    elegir 1 'Semana Actual'
    elegir 2 'Buscar Semana Por Día'
    elegir 3 'Semanas del año'
    hechas=$((hechas + 1))
  done
  echo "tras $hechas aperturas de cada ventana: $(rss) kB"
done
awk -v a="$(rss)" -v b="$inicio" 'BEGIN {printf "razón: %.2f\n", a/b}'
