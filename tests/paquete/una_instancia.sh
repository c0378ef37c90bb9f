#!/usr/bin/env bash
# One program per session, on a virtual desktop with a real notification area:
# a second start ends with status 0, adds no icon and brings "Semana Actual"
# forward; the socket left by a program that was killed does not stop the
# next start.
#   una_instancia.sh TARVOLO APP-ID OUTDIR
set -euo pipefail
tarvolo=$1
id=$2
out=$3
fuentes=$(cd "$(dirname "$0")/../.." && pwd)
source "$fuentes/scripts/escritorio_virtual.sh"
carpeta_vacia "$out"

ESCRITORIO_LIMITE=170

# The session's own runtime folder, so that nothing running elsewhere on the
# machine answers.
export XDG_RUNTIME_DIR="$out/sesion"
mkdir -m 700 "$XDG_RUNTIME_DIR"
canal="$XDG_RUNTIME_DIR/$id"

# The program's icons: its 22×22 windows embedded in trayer's panel.
iconos() {
  local w n=0
  for w in $(xwininfo -root -tree | awk '/\("tarvolo" "Tarvolo"\)/ && / 22x22\+/ {print $1}'); do
    bajo_panel "$w" && n=$((n + 1))
  done
  echo "$n"
}
bajo_panel() {
  local w=$1 padre
  while padre=$(xwininfo -children -id "$w" 2>/dev/null | awk '/Parent window id:/ {print $4}') &&
        [ -n "$padre" ] && [ "$padre" != 0x0 ]; do
    xwininfo -id "$padre" 2>/dev/null | grep -q '"panel"' && return 0
    w=$padre
  done
  return 1
}
iconos_son() { [ "$(iconos)" -eq "$1" ]; }
semana_actual() { [ -n "$(xdotool search --onlyvisible --name '^Semana Actual$' 2>/dev/null)" ]; }
es_socket() { [ -S "$canal" ]; }

# A resident program, under a time limit: `vigilante` is the timeout's process
# id, `residente` the program's own.
arrancar() {
  timeout "$ESCRITORIO_LIMITE" "$tarvolo" >"$out/$1.log" 2>&1 &
  vigilante=$!
  pids+=("$vigilante")
  esperar 10 pgrep -P "$vigilante" || fail "$1: no arrancó"
  residente=$(pgrep -P "$vigilante")
}
vivo() { kill -0 "$1" 2>/dev/null; }
muerto() { ! vivo "$1"; }
# A start that must hand over to the running program and end by itself.
segundo_inicio() {
  local estado=0
  timeout 60 "$tarvolo" >"$out/$1.log" 2>&1 || estado=$?
  [ "$estado" -eq 0 ] || fail "$1: terminó con estado $estado (124: no terminó en 60 s); $(cat "$out/$1.log")"
}

iniciar_xvfb "$out/xvfb.log" || fail "Xvfb no arrancó"
iniciar_trayer "$out/trayer.log" || fail "trayer no arrancó"

# --- The first start: its icon, and the socket later starts reach ---
arrancar primero
primero=$residente
esperar 60 iconos_son 1 || fail "el primer inicio no puso su icono"
esperar 60 es_socket || fail "el primer inicio no abrió $canal"
semana_actual && fail "\"Semana Actual\" abierta sin que nadie la pidiera"

# --- A second start: ends with 0, no second icon, "Semana Actual" shown ---
segundo_inicio segundo
esperar 60 semana_actual || fail "el segundo inicio no trajo \"Semana Actual\""
iconos_son 1 || fail "hay $(iconos) iconos tras el segundo inicio"
vivo "$primero" || fail "el primer programa terminó"
# Once more, with the window already open: still one program, one window.
segundo_inicio tercero
iconos_son 1 || fail "hay $(iconos) iconos tras el tercer inicio"
[ "$(xdotool search --onlyvisible --name '^Semana Actual$' | wc -l)" -eq 1 ] ||
  fail "\"Semana Actual\" abierta más de una vez"

# --- A crash leaves the socket behind; the next start is not stopped by it ---
kill -KILL "$primero"
esperar 60 muerto "$primero" || fail "el primer programa no terminó con SIGKILL"
esperar 60 iconos_son 0 || fail "el icono del programa muerto sigue en el panel"
es_socket || fail "matar el programa no dejó su socket (la prueba no prueba nada)"
arrancar tras_caida
tras_caida=$residente
esperar 60 iconos_son 1 || fail "un socket huérfano impidió el inicio; $(cat "$out/tras_caida.log")"
vivo "$tras_caida" || fail "el inicio tras la caída terminó"
segundo_inicio tras_caida_segundo
iconos_son 1 || fail "hay $(iconos) iconos tras un segundo inicio después de la caída"
esperar 60 semana_actual || fail "\"Semana Actual\" no apareció tras la caída"
echo "una_instancia: bien"
