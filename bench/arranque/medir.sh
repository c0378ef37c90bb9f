#!/usr/bin/env bash
# Start-up of the tray program against the smallest Qt tray program, on a
# virtual X server with a real notification area:
#   - time from exec to the icon embedded in the tray (and, for Tarvolo, the
#     greeting balloon on screen), median of N runs;
#   - resident memory (VmRSS) once start-up has settled, median of N runs.
#   medir.sh TARVOLO BANDEJA_MINIMA [N]
set -euo pipefail
tarvolo=$1; minima=$2; veces=${3:-7}

pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; wait 2>/dev/null || true; }
trap cleanup EXIT

# Xvfb picks a free display itself and tells its number on a pipe.
exec {numero}< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>"${out:-/tmp}/xvfb.log" & echo "pid $!")
read -r _ xvfb_pid <&"$numero"; pids+=("$xvfb_pid")
read -r n <&"$numero"
export DISPLAY=":$n"
until xdpyinfo >/dev/null 2>&1; do sleep 0.1; done
trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 & pids+=($!)
until xwininfo -root -tree | grep -q '"panel"'; do sleep 0.1; done

# Milliseconds from start until `listo PID` holds; then VmRSS (kB) 4 s after start.
medir() {
  local programa=$1 listo=$2 inicio fin pid
  inicio=$(date +%s%N)
  "$programa" >/dev/null 2>&1 &
  pid=$!
  until $listo "$pid"; do sleep 0.002; done
  fin=$(date +%s%N)
  sleep 4
  local rss; rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  sleep 0.3
  echo "$(( (fin - inicio) / 1000000 )) $rss"
}

icono_de() { xwininfo -root -tree | grep -F "(\"$1\" " | grep -qF 22x22; }
minima_lista() { icono_de bandeja_minima; }
# The balloon is a frameless top-level window of the program besides the icon.
tarvolo_listo() { icono_de tarvolo && [ "$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | wc -l)" -ge 2 ]; }

mediana() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

: >/tmp/arranque_t; : >/tmp/arranque_m
for _ in $(seq "$veces"); do
  medir "$minima" minima_lista >>/tmp/arranque_m
  medir "$tarvolo" tarvolo_listo >>/tmp/arranque_t
done
mt=$(cut -d' ' -f1 /tmp/arranque_m | mediana); mr=$(cut -d' ' -f2 /tmp/arranque_m | mediana)
tt=$(cut -d' ' -f1 /tmp/arranque_t | mediana); tr=$(cut -d' ' -f2 /tmp/arranque_t | mediana)
echo "bandeja mínima: ${mt} ms hasta el icono, ${mr} kB residentes"
echo "tarvolo:        ${tt} ms hasta icono y globo, ${tr} kB residentes"
awk -v a="$tt" -v b="$mt" -v c="$tr" -v d="$mr" 'BEGIN {printf "razón: tiempo %.2f, memoria %.2f\n", a/b, c/d}'
