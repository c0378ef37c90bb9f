#!/usr/bin/env bash
# The real tray program on a virtual X server with a real notification area
# (trayer), driven like a user would with xdotool.
#   escritorio.sh TARVOLO OUTDIR
set -euo pipefail
tarvolo=$1
out=$2
mkdir -p "$out"

pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup EXIT

fail() {
  echo "FALLO: $*" >&2
  import -window root "$out/fallo.png" 2>/dev/null || true
  xwininfo -root -tree >"$out/ventanas.txt" 2>/dev/null || true
  exit 1
}

# Waits up to $1 seconds for the command that follows to succeed.
esperar() {
  local limite=$(( $(date +%s%N) + $1 * 1000000000 )); shift
  until "$@" >/dev/null 2>&1; do
    [ "$(date +%s%N)" -lt "$limite" ] || return 1
    sleep 0.1
  done
}

source "$(dirname "$0")/../../scripts/escritorio_virtual.sh"
iniciar_xvfb "$out/xvfb.log" || fail "Xvfb no arrancó"

visible() { xdotool search --onlyvisible --name "$1"; }
icono() { xwininfo -root -tree | grep -F '("tarvolo" "Tarvolo")' | grep -F '22x22'; }
# Top-level windows captioned "Tarvolo" other than the tray icon itself: the
# splash and the message boxes.
con_titulo_tarvolo() {
  local w
  for w in $(xdotool search --onlyvisible --name '^Tarvolo$'); do
    xdotool getwindowgeometry "$w" | grep -q 'Geometry: 22x22' || echo "$w"
  done
}
presentacion() { [ -n "$(con_titulo_tarvolo)" ]; }

# The program runs on a fixed day: Saturday 1 January 2005, week 52 of 2004.
arrancar() {
  FAKETIME_DONT_FAKE_MONOTONIC=1 faketime -f '@2005-01-01 10:00:00' "$tarvolo" >"$out/$1.log" 2>&1 &
  tarvolo_pid=$!
  pids+=("$tarvolo_pid")
}

# Without a notification area: the current-week window stands in for the
# icon, one message says so, and closing the last window ends the program.
arrancar sin-bandeja
esperar 10 visible '^Semana Actual$' || fail "sin bandeja no se mostró la semana actual"
esperar 5 presentacion || fail "sin bandeja no hubo mensaje"
con_titulo_tarvolo | while read -r w; do xdotool windowfocus --sync "$w" key Return || true; done
sleep 0.5
w=$(visible '^Semana Actual$' | head -n1)
xdotool windowfocus --sync "$w" key Return
esperar 5 bash -c "! kill -0 $tarvolo_pid" || fail "sin bandeja el programa no terminó al cerrar su ventana"
wait "$tarvolo_pid" || fail "sin bandeja terminó con error"

iniciar_trayer "$out/trayer.log" || fail "trayer no arrancó"

arrancar bandeja
esperar 10 icono || fail "el icono no llegó al área de notificación"
esperar 5 presentacion || fail "no se mostró la presentación"
import -window root "$out/arranque.png"
# The splash closes itself after three seconds.
esperar 6 eval '! presentacion' || fail "la presentación no se cerró sola"

read -r x y < <(icono | sed -E 's/.*\+([0-9]+)\+([0-9]+)$/\1 \2/')
x=$((x + 11)); y=$((y + 11))

# The pop-up menu, then a choice by keyboard: $1 Down presses, or "Up" for the last item.
menu() {
  xdotool mousemove "$x" "$y" click 3
  sleep 0.7
  if [ "$1" = Up ]; then xdotool key Up; else xdotool key --repeat "$1" --delay 80 Down; fi
  xdotool key Return
}

menu 1
esperar 5 visible '^Semana Actual$' || fail "Ver Semana Epidemiológica Actual no abrió la ventana"
import -window root "$out/hoy.png"
menu 2
esperar 5 visible '^Buscar Semana Por Día$' || fail "Buscar Semana Epidemiológica por Día no abrió la ventana"
esperar 5 bash -c "! xdotool search --onlyvisible --name '^Semana Actual$'" || fail "la semana actual siguió abierta"
menu 3
esperar 5 visible '^Semanas del año$' || fail "Ver Semanas Epidemiológicas del Año no abrió la ventana"
esperar 5 bash -c "! xdotool search --onlyvisible --name '^Buscar Semana Por Día$'" || fail "la búsqueda por día siguió abierta"
menu 5
esperar 5 visible '^Acerca de Tarvolo$' || fail "Acerca de... no abrió la ventana"
visible '^Semanas del año$' >/dev/null || fail "Acerca de... cerró la tabla del año"
import -window root "$out/acerca.png"

# A left click shows the balloon again: a new top-level window of the program.
antes=$(xdotool search --onlyvisible --classname tarvolo | wc -l)
xdotool mousemove "$x" "$y" click 1
esperar 5 bash -c "[ \$(xdotool search --onlyvisible --classname tarvolo | wc -l) -gt $antes ]" \
  || fail "el clic izquierdo no mostró el globo"
import -window root "$out/globo.png"

menu Up
esperar 5 bash -c "! kill -0 $tarvolo_pid" || fail "Salir no terminó el programa"
wait "$tarvolo_pid" || fail "Salir terminó con error"
esperar 5 bash -c "! xwininfo -root -tree | grep -qF '(\"tarvolo\" \"Tarvolo\")'" || fail "el icono siguió en el área de notificación"
echo "escritorio: todo bien"
