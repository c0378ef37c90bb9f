#!/usr/bin/env bash
# How quiet the tray program is when nobody uses it: the voluntary context
# switches of its process over a quiet stretch, on a virtual X server with a
# real notification area (trayer), once the icon is in the tray and the
# splash has closed.
#   medir.sh PROGRAM [SECONDS]
set -euo pipefail
programa=$1; segundos=${2:-30}

source "$(dirname "$0")/../../scripts/escritorio_virtual.sh"
sesion_privada "$(mktemp -d)"
iniciar_xvfb /dev/null
iniciar_trayer /dev/null

timeout $((segundos + 60)) "$programa" >/dev/null 2>&1 &
pids+=("$!")
# The program itself, not the timeout that watches over it.
esperar 10 pgrep -P "$!" || { echo "medir: el programa no arrancó" >&2; exit 1; }
pid=$(pgrep -P "$!" -n)
# The splash closes after three seconds; idle means after that.
esperar_presentacion 20 || { echo "medir: la presentación no se mostró y cerró" >&2; exit 1; }
sleep 2

cambios() { awk '/^voluntary_ctxt_switches/ {v=$2} /^nonvoluntary_ctxt_switches/ {n=$2} END {print v, n}' "/proc/$pid/status"; }
read -r v0 n0 < <(cambios)
sleep "$segundos"
read -r v1 n1 < <(cambios)
echo "en ${segundos} s de reposo: $((v1 - v0)) cambios de contexto voluntarios, $((n1 - n0)) involuntarios"
