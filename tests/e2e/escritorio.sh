#!/usr/bin/env bash
# The real tray program on a virtual X server with a real notification area
# (trayer), used the way a user uses it: pointer and keys through xdotool,
# windows found by their titles, a printout through a private CUPS queue.
#   escritorio.sh TARVOLO TARVOLO-CLI OUTDIR
# Keeps a screenshot of every step in OUTDIR and lists them at the end.
set -euo pipefail
tarvolo=$1
cli=$2
out=$3
fuentes=$(cd "$(dirname "$0")/../.." && pwd)
rm -rf "$out"
mkdir -p "$out"

pids=()
impresora=
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  [ -z "$impresora" ] || bash "$fuentes/scripts/cups-pdf-printer.sh" stop "$impresora" || true
  wait 2>/dev/null || true
}
trap cleanup EXIT

fotos=()
# foto NAME [WINDOW]: a screenshot of the window, or of the whole screen.
foto() {
  import -window "${2:-root}" "$out/$1.png"
  fotos+=("$out/$1.png")
}

fail() {
  echo "FALLO: $*" >&2
  import -window root "$out/fallo.png" 2>/dev/null && echo "pantalla: $out/fallo.png" >&2
  xwininfo -root -tree >"$out/ventanas.txt" 2>/dev/null || true
  exit 1
}

ahora_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# Waits up to $1 seconds for the command that follows to succeed.
esperar() {
  local limite=$(( $(ahora_ms) + $1 * 1000 )); shift
  until "$@" >/dev/null 2>&1; do
    [ "$(ahora_ms)" -lt "$limite" ] || return 1
    sleep 0.05
  done
}

source "$fuentes/scripts/escritorio_virtual.sh"
# Nothing this test starts outlives its own time limit in CTest.
ESCRITORIO_LIMITE=170
export CUPS_LIMITE=170

# --- What the screen shows, read through the X server ---

# The mapped windows of the program (top-level or embedded), one id a line.
del_programa() { xdotool search --onlyvisible --classname '^tarvolo$' 2>/dev/null || true; }
tipo() { xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null; }
# x y w h of a window, in screen coordinates.
geometria() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                            /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}
# The visible window titled exactly $1 (the first one).
titulada() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
visible() { [ -n "$(titulada "$1")" ]; }
oculta() { ! visible "$1"; }

# The icon: the program's 22×22 window inside trayer's panel.
icono() {
  local w
  for w in $(xwininfo -root -tree | awk '/\("tarvolo" "Tarvolo"\)/ && / 22x22\+/ {print $1}'); do
    bajo_panel "$w" && echo "$w" && return 0
  done
  return 1
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
panel() { xwininfo -root -tree | grep -q '("panel" "trayer")'; }

# The program's windows of one kind ($1: UTILITY, DIALOG, TOOLTIP...), only
# those titled $2 when given: the splash is a tool window titled "Tarvolo",
# a message box a dialog with that title, a balloon a tool tip.
de_clase() {
  local w
  for w in $(del_programa); do
    tipo "$w" | grep -q "_NET_WM_WINDOW_TYPE_$1" || continue
    [ -z "${2:-}" ] || [ "$(xdotool getwindowname "$w")" = "$2" ] || continue
    echo "$w"
  done
}
presentacion() { [ -n "$(de_clase UTILITY Tarvolo)" ]; }
mensaje() { de_clase DIALOG Tarvolo | head -n1; }
hay_mensaje() { [ -n "$(mensaje)" ]; }

# A balloon not among those in $1, pointing at the icon: the icon's centre
# lies within its width, and its top or bottom edge within 40 pixels of it.
globo_nuevo() {
  local w x y an al
  for w in $(de_clase TOOLTIP); do
    case " $1 " in *" $w "*) continue ;; esac
    read -r x y an al < <(geometria "$w")
    [ "$al" -ge 40 ] || continue  # a plain tool tip, not a balloon
    [ "$ix" -ge "$x" ] && [ "$ix" -le $((x + an)) ] || continue
    [ $(( (y - iy) ** 2 )) -le 1600 ] || [ $(( (y + al - iy) ** 2 )) -le 1600 ] || continue
    echo "$w"
    return 0
  done
  return 1
}
globos() { de_clase TOOLTIP | tr '\n' ' '; }

# --- The program ---

# It runs on a fixed day: Saturday 1 January 2005, week 52 of 2004.
arrancar() {
  FAKETIME_DONT_FAKE_MONOTONIC=1 timeout 120 faketime -f '@2005-01-01 10:00:00' "$tarvolo" \
    >"$out/$1.log" 2>&1 &
  tarvolo_pid=$!
  pids+=("$tarvolo_pid")
}
vivo() { kill -0 "$tarvolo_pid" 2>/dev/null; }
terminado() { ! vivo; }

# The pop-up menu at the icon (abrir_menu), and a choice in it by keyboard
# (elegir): $1 Down presses from the top.
menu_abierto() {
  local w
  for w in $(del_programa); do
    case " $1 " in *" $w "*) continue ;; esac
    xwininfo -id "$w" | grep -q 'Override Redirect State: yes' && ! tipo "$w" | grep -q TOOLTIP && echo "$w" && return 0
  done
  return 1
}
abrir_menu() {
  local antes
  antes=$(del_programa | tr '\n' ' ')
  xdotool mousemove "$ix" "$iy" click 3
  esperar 5 menu_abierto "$antes" || fail "el clic derecho no abrió el menú"
  menu_id=$(menu_abierto "$antes")
}
elegir() {
  abrir_menu
  xdotool key --repeat "$1" --delay 60 Down
  xdotool key Return
  esperar 5 menu_cerrado || fail "el menú no se cerró"
}
# Closed, and then a moment at a user's pace: the menu lets go of the pointer
# only after it is gone from the screen, and a click before that is lost.
menu_cerrado() { ! xwininfo -id "$menu_id" 2>/dev/null | grep -q IsViewable && sleep 0.3; }

# Presses a key in the window titled $1.
tecla_en() {
  local w
  w=$(titulada "$1")
  xdotool windowraise "$w" windowfocus --sync "$w" key "$2"
}
# Clicks at a point of the window titled $1 given in twips of its inner area,
# which lies under its menu bar: $2 left, $3 top, the $4-twip-high area.
clic_en() {
  local w x y an al
  w=$(titulada "$1")
  xdotool windowraise "$w" windowfocus --sync "$w"
  read -r x y an al < <(geometria "$w")
  xdotool mousemove $((x + $2 / 15)) $((y + al - $4 / 15 + $3 / 15)) click 1
}

# --- Set-up: a default printer that writes PDF files (for step 5, where this
# machine can run a print server), the X server and the notification area ---
if salida=$(bash "$fuentes/scripts/cups-pdf-printer.sh" start "$out/cups" 2>"$out/cups.err"); then
  impresora="$out/cups"
  CUPS_SERVER=$(sed -n 's/^CUPS_SERVER=//p' <<<"$salida")
  export CUPS_SERVER
  pdf_out=$(sed -n 's/^PDF_OUT=//p' <<<"$salida")
elif [ $? -eq 3 ]; then
  echo "escritorio: sin servidor de impresión aquí ($(cat "$out/cups.err")); se omite imprimir"
else
  fail "no arrancó la impresora PDF: $(cat "$out/cups.err")"
fi

iniciar_xvfb "$out/xvfb.log" || fail "Xvfb no arrancó"
iniciar_trayer "$out/trayer.log" || fail "trayer no arrancó"
trayer_pid=${pids[-1]}

# --- 1. Start-up: the icon in the panel, the splash for three seconds ---
inicio=$(ahora_ms)
arrancar bandeja
esperar 5 icono || fail "el icono no llegó al área de notificación en 5 s"
esperar 5 presentacion || fail "no se mostró la presentación"
[ $(( $(ahora_ms) - inicio )) -le 5000 ] || fail "icono y presentación tardaron más de 5 s"
read -r ix iy _ < <(geometria "$(icono)")
ix=$((ix + 11)); iy=$((iy + 11))

# --- 2. The greeting balloon beside the icon ---
esperar 5 globo_nuevo "" || fail "el globo del arranque no apareció junto al icono"
foto 1-arranque-globo

esperar 6 eval '! presentacion' || fail "la presentación no se cerró sola"
cerrada=$(( $(ahora_ms) - inicio ))
[ "$cerrada" -ge 3000 ] && [ "$cerrada" -le 5000 ] ||
  fail "la presentación se cerró a los $cerrada ms del arranque, no entre 3 y 5 s"

# --- 3. Clicks on the icon and the menu's windows ---
antes=$(globos)
xdotool mousemove "$ix" "$iy" click 1
esperar 5 globo_nuevo "$antes" || fail "el clic izquierdo no mostró el globo junto al icono"
foto 2-clic-izquierdo-globo

abrir_menu
read -r mx my man mal < <(geometria "$menu_id")
# At the pointer: it spans the pointer's x (moved left only as far as the
# screen's edge needs) and starts or ends on its row.
[ "$ix" -ge $((mx - 2)) ] && [ "$ix" -le $((mx + man + 2)) ] &&
  { [ $(( (my - iy) ** 2 )) -le 4 ] || [ $(( (my + mal - iy) ** 2 )) -le 4 ]; } ||
  fail "el menú ($man×$mal en $mx,$my) no salió en el puntero ($ix,$iy)"
foto 3-menu
xdotool key Escape
esperar 5 menu_cerrado || fail "Esc no cerró el menú"

elegir 1
esperar 5 visible 'Semana Actual' || fail "Ver Semana Epidemiológica Actual no abrió «Semana Actual»"
foto 4-semana-actual "$(titulada 'Semana Actual')"
# "Cancelar" only closes the menu.
elegir 4
visible 'Semana Actual' || fail "Cancelar cerró «Semana Actual»"

elegir 2
esperar 5 visible 'Buscar Semana Por Día' || fail "Buscar Semana Epidemiológica por Día no abrió su ventana"
esperar 5 oculta 'Semana Actual' || fail "«Semana Actual» siguió abierta"
foto 5-buscar-por-dia "$(titulada 'Buscar Semana Por Día')"

elegir 3
esperar 5 visible 'Semanas del año' || fail "Ver Semanas Epidemiológicas del Año no abrió su ventana"
esperar 5 oculta 'Buscar Semana Por Día' || fail "«Buscar Semana Por Día» siguió abierta"
foto 6-semanas-del-anio "$(titulada 'Semanas del año')"

elegir 5
esperar 5 visible 'Acerca de Tarvolo' || fail "Acerca de... no abrió «Acerca de Tarvolo»"
visible 'Semanas del año' || fail "Acerca de... cerró «Semanas del año»"
foto 7-acerca-de "$(titulada 'Acerca de Tarvolo')"
tecla_en 'Acerca de Tarvolo' Return
esperar 5 oculta 'Acerca de Tarvolo' || fail "Aceptar no cerró «Acerca de Tarvolo»"

# --- 4. A year's table: type the year, Alt+M, then copy the table out ---
anio=2009
rango='Semanas del año'
clic_en "$rango" 600 1600 5760   # txtAnio
xdotool key ctrl+a type "$anio"
xdotool key alt+m
sleep 0.3
foto 8-tabla-$anio "$(titulada "$rango")"
clic_en "$rango" 2000 3000 5760  # txtSemanas
xdotool key alt+e t ctrl+c
esperar 5 bash -c "xclip -o -selection clipboard | grep -q '$anio'" || fail "la tabla no se pudo copiar"
diff <(xclip -o -selection clipboard | tr -d '\r') <("$cli" tabla "$anio" semanas | tr -d '\r') >"$out/tabla.diff" ||
  fail "la tabla de $anio en pantalla no es la esperada (ver $out/tabla.diff)"

# --- 5. Printing it ---
if [ -n "$impresora" ]; then
  touch "$out/antes-de-imprimir"
  clic_en "$rango" 4200 1500 5760  # cmdPrint
  nuevo_pdf() { find "$pdf_out" -name '*.pdf' -newer "$out/antes-de-imprimir" 2>/dev/null | head -n1 | grep .; }
  esperar 30 nuevo_pdf || fail "no llegó ningún PDF a $pdf_out"
  esperar 10 hay_mensaje || fail "no se confirmó la impresión"
  foto 9-impresion-confirmada "$(mensaje)"
  pdf=$(nuevo_pdf)
  sleep 0.5  # cups-pdf may still be writing it
  cp "$pdf" "$out/impreso.pdf"
  pdfinfo "$out/impreso.pdf" | grep -qE '^Pages: +1$' || fail "lo impreso no es una página"
  # cups-pdf redraws the text in fonts of its own that pdftotext cannot read
  # back, so the words are checked in the document the program handed to the
  # queue, which the print server keeps.
  pdftotext -layout "$(ls -t "$impresora"/spool/d*-001 | head -n1)" "$out/impreso.txt"
  { "$cli" listado "$anio" semanas; echo 'Tarvolo  Versión 1.3.2 - Ordalen - Brevanto - Castmara.'; } \
    >"$out/esperado.txt"
  palabras() { tr -s ' \t\r\n\f' '\n' <"$1" | grep .; }
  diff <(palabras "$out/esperado.txt") <(palabras "$out/impreso.txt") >"$out/impreso.diff" ||
    fail "lo impreso no es el listado de $anio (ver $out/impreso.diff)"
  xdotool windowfocus --sync "$(mensaje)" key Return
  esperar 5 eval '! hay_mensaje' || fail "la confirmación no se cerró"
fi

# --- 6. Salir: the program ends at once and takes its icon along ---
abrir_menu
xdotool key Up Return
salida_ms=$(ahora_ms)
esperar 2 terminado || fail "Salir no terminó el programa en 2 s"
echo "escritorio: el programa terminó $(( $(ahora_ms) - salida_ms )) ms después de elegir Salir"
wait "$tarvolo_pid" || fail "Salir terminó con estado $?"
! icono || fail "el icono siguió en el área de notificación"

# --- 7. No notification area: the current-week window stands in for it ---
kill "$trayer_pid"
esperar 5 eval '! panel' || fail "trayer no se cerró"
arrancar sin-bandeja
esperar 10 visible 'Semana Actual' || fail "sin bandeja no se mostró «Semana Actual»"
esperar 5 hay_mensaje || fail "sin bandeja no hubo mensaje"
foto 10-sin-bandeja
xdotool windowfocus --sync "$(mensaje)" key Return
esperar 5 eval '! hay_mensaje' || fail "sin bandeja el mensaje no se cerró"
tecla_en 'Semana Actual' Return
esperar 5 terminado || fail "sin bandeja el programa no terminó al cerrar su ventana"
wait "$tarvolo_pid" || fail "sin bandeja terminó con estado $?"

echo "escritorio: todo bien; capturas:"
printf '  %s\n' "${fotos[@]}"
