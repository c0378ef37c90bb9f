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
source "$fuentes/scripts/escritorio_virtual.sh"
carpeta_vacia "$out"

cleanup() {
  terminar_procesos
  parar_impresora
}
trap cleanup EXIT

# What a screen reader would read in the window of the step that failed.
al_fallar() {
  [ -z "${rango:-}" ] || pantalla textos "$rango" >"$out/controles.txt" 2>&1 || true
}

sesion_privada "$out/sesion"
# Nothing this test starts outlives its own time limit in CTest.
ESCRITORIO_LIMITE=280
export CUPS_LIMITE=280
# Every wait is for something the screen shows; this long, it fails only
# when that never comes, however busy the machine is.
L=20
pantalla() { /usr/bin/python3 "$fuentes/tests/e2e/pantalla.py" "$@"; }

# --- What the screen shows, read through the X server ---

# The mapped windows of the program (top-level or embedded), one id a line.
# One look at all of them: "id type override x y w h embedded title" a line.
# Within a caller that took one look into $instantanea, that look.
ventanas() { if [ -n "${instantanea:-}" ]; then printf '%s\n' "$instantanea"; else pantalla ventanas; fi; }
del_programa() { ventanas | cut -d' ' -f1; }
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
icono() { ventanas | awk '$8 == 1 && $6 == 22 && $7 == 22 {print $1; f = 1; exit} END {exit !f}'; }
panel() { xwininfo -root -tree | grep -q '("panel" "trayer")'; }

# The program's windows of one kind ($1: UTILITY, DIALOG, TOOLTIP...), only
# those titled $2 when given: the splash is a tool window titled "Tarvolo",
# a message box a dialog with that title, a balloon a tool tip.
de_clase() {
  ventanas | awk -v t="$1" -v n="${2:-}" '$2 == t {
    titulo = $9; for (i = 10; i <= NF; i++) titulo = titulo " " $i
    if (n == "" || titulo == n) print $1 }'
}
presentacion() { [ -n "$(de_clase UTILITY Tarvolo)" ]; }
mensaje() { de_clase DIALOG Tarvolo | head -n1; }
hay_mensaje() { [ -n "$(mensaje)" ]; }

# A balloon not among those in $1, pointing at the icon: the icon's centre
# lies within its width, and its top or bottom edge within 40 pixels of it.
globo_nuevo() {
  ventanas | awk -v viejos=" $1 " -v ix="$ix" -v iy="$iy" '
    $2 == "TOOLTIP" && index(viejos, " " $1 " ") == 0 && $7 >= 40 &&
    ix >= $4 && ix <= $4 + $6 && (($5 - iy) ^ 2 <= 1600 || ($5 + $7 - iy) ^ 2 <= 1600) {print $1; f = 1; exit}
    END {exit !f}'
}
globos() { de_clase TOOLTIP | tr '\n' ' '; }

# --- The program ---

# It runs on a fixed day: Saturday 1 January 2005, week 52 of 2004, and shows
# its controls on the accessibility bus, as it does to a screen reader.
arrancar() {
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 FAKETIME_DONT_FAKE_MONOTONIC=1 timeout "$ESCRITORIO_LIMITE" faketime -f '@2005-01-01 10:00:00' "$tarvolo" \
    >"$out/$1.log" 2>&1 &
  tarvolo_pid=$!
  pids+=("$tarvolo_pid")
}
vivo() { kill -0 "$tarvolo_pid" 2>/dev/null; }
terminado() { ! vivo; }

# The pop-up menu at the icon (abrir_menu), and a choice in it by keyboard
# (elegir): $1 Down presses from the top. Keys go to the menu only once it
# holds the keyboard.
menu_abierto() {
  ventanas | awk -v viejos=" $1 " '$3 == 1 && $2 != "TOOLTIP" && index(viejos, " " $1 " ") == 0 {print $1; f = 1; exit}
    END {exit !f}'
}
abrir_menu() {
  local antes
  antes=$(del_programa | tr '\n' ' ')
  xdotool mousemove "$ix" "$iy" click 3
  esperar $L menu_abierto "$antes" || fail "el clic derecho no abrió el menú"
  menu_id=$(menu_abierto "$antes")
  esperar $L pantalla agarrado || fail "el menú no tomó el teclado"
}
elegir() {
  abrir_menu
  xdotool key --repeat "$1" --delay 60 Down
  xdotool key Return
  esperar $L menu_cerrado || fail "el menú no se cerró"
}
# Gone from the screen, and the pointer and the keyboard given back: a click
# or a key before that is lost.
menu_cerrado() { ! xwininfo -id "$menu_id" 2>/dev/null | grep -q IsViewable && ! pantalla agarrado; }

# The controls of the window titled $1, as a screen reader reads them (one a
# line: role, name, text, * on the one with the focus).
controles() { pantalla textos "$1"; }
# The text of the control with the focus in the window titled $1.
texto_enfocado() { controles "$1" | awk -F'\t' '$4 == "*" {print $3; f=1} END {exit !f}'; }
# The focus in a one-line text box of the window titled $1.
en_caja_de_linea() { controles "$1" | awk -F'\t' '$4 == "*" && $1 == "text" && $3 !~ /\\n/ {f = 1} END {exit !f}'; }
# The description of day $1 as the companion writes it, lines joined by \n
# as controles shows them.
descripcion() { "$cli" describir "$1" | tr -d '\r' | awk 'NR > 1 {printf "\\n"} {printf "%s", $0}'; }
muestra_descripcion() { controles "$1" | awk -F'\t' '$1 == "label" {print $2}' | grep -qxF "$(descripcion "$2")"; }

# Presses a key in the window titled $1.
tecla_en() {
  local w
  w=$(esperar_ventana $L "$1") || fail "no hay ventana «$1» para la tecla $2"
  xdotool windowraise "$w" windowfocus --sync "$w" key "$2"
}
# Clicks at a point of the window titled $1 given in twips of its inner area,
# which lies under its menu bar: $2 left, $3 top, the $4-twip-high area.
clic_en() {
  local w x y an al
  w=$(esperar_ventana $L "$1") || fail "no hay ventana «$1» para el clic"
  xdotool windowraise "$w" windowfocus --sync "$w"
  read -r x y an al < <(geometria "$w")
  xdotool mousemove $((x + $2 / 15)) $((y + al - $4 / 15 + $3 / 15)) click 1
}

# --- Set-up: a default printer that writes PDF files (for steps 5 and 6, where this
# machine can run a print server), the X server and the notification area ---
iniciar_impresora

iniciar_xvfb "$out/xvfb.log" || fail "Xvfb no arrancó"
iniciar_bus "$out/bus.log" || fail "el bus de sesión no arrancó"
iniciar_accesibilidad || fail "el bus de accesibilidad no arrancó"
iniciar_trayer "$out/trayer.log" || fail "trayer no arrancó"
trayer_pid=${pids[-1]}

# --- 1. Start-up: the icon in the panel, the splash for three seconds ---
timeout "$ESCRITORIO_LIMITE" /usr/bin/python3 "$fuentes/tests/e2e/pantalla.py" vigilar "$out/mapeadas.txt" &
pids+=($!)
esperar $L test -e "$out/mapeadas.txt" || fail "no se pudo vigilar la pantalla"
inicio=$(ahora_ms)
arrancar bandeja
# How long each takes depends on how busy the machine is; it is told, and
# measured in bench/arranque, not judged here.
# The splash and the balloon stay up only seconds: they are read from the
# record of every window the program mapped, kept since before it started.
visto_icono= visto_presentacion= visto_globo=
arranque_visto() {
  local instantanea w
  if [ -z "$visto_icono" ] && w=$(icono); then
    visto_icono=$w
    read -r ix iy _ < <(geometria "$w")
    ix=$((ix + 11)); iy=$((iy + 11))
  fi
  instantanea=$(cat "$out/mapeadas.txt")
  [ -n "$visto_presentacion" ] || ! presentacion || visto_presentacion=$(ahora_ms)
  # --- 2. The greeting balloon beside the icon ---
  if [ -n "$visto_icono" ] && [ -z "$visto_globo" ] && globo_nuevo "" >/dev/null; then
    visto_globo=1
    # Still on the screen, or gone already on a slow machine.
    foto 1-arranque-globo
  fi
  [ -n "$visto_icono" ] && [ -n "$visto_presentacion" ] && [ -n "$visto_globo" ]
}
limite=$(( $(ahora_ms) + L * 1000 ))
until arranque_visto; do
  [ "$(ahora_ms)" -lt "$limite" ] || break
done
[ -n "$visto_icono" ] || fail "el icono no llegó al área de notificación"
[ -n "$visto_presentacion" ] || fail "no se mostró la presentación"
[ -n "$visto_globo" ] || fail "el globo del arranque no apareció junto al icono"
echo "escritorio: presentación vista $(( visto_presentacion - inicio )) ms después de arrancar"

esperar $L eval '! presentacion' || fail "la presentación no se cerró sola"
cerrada=$(( $(ahora_ms) - inicio ))
# Never before its three seconds, however fast the machine.
[ "$cerrada" -ge 3000 ] || fail "la presentación se cerró a los $cerrada ms del arranque, antes de 3 s"
echo "escritorio: la presentación se cerró $cerrada ms después de arrancar"
# One greeting: the week's icon, drawn right after it, shows no balloon
# again. Read from the record of every window mapped since the start.
globos_del_arranque=$(instantanea=$(cat "$out/mapeadas.txt") de_clase TOOLTIP | wc -l)
[ "$globos_del_arranque" -eq 1 ] || fail "al arrancar se mostraron $globos_del_arranque globos, no uno"

# The splash's pictures and the icons are PNG, which Qt reads itself: starting
# loads no image plug-in, nor the JPEG library one of them pulls in.
programa_pid() {
  local p=$tarvolo_pid exe
  exe=$(readlink -f "$tarvolo")
  while [ -n "$p" ] && [ "$(readlink "/proc/$p/exe")" != "$exe" ]; do
    p=$(cut -d' ' -f1 "/proc/$p/task/$p/children" 2>/dev/null)
  done
  echo "$p"
}
pid_programa=$(programa_pid)
[ -n "$pid_programa" ] || fail "no se encontró el proceso del programa"
if grep -E 'imageformats|libjpeg' "/proc/$pid_programa/maps" >"$out/complementos.txt"; then
  fail "se cargaron complementos de imagen (ver $out/complementos.txt)"
fi

# --- 3. Clicks on the icon and the menu's windows ---
antes=$(globos)
xdotool mousemove "$ix" "$iy" click 1
esperar $L globo_nuevo "$antes" || fail "el clic izquierdo no mostró el globo junto al icono"
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
esperar $L menu_cerrado || fail "Esc no cerró el menú"

elegir 1
esperar $L visible 'Semana Actual' || fail "Ver Semana Epidemiológica Actual no abrió «Semana Actual»"
esperar $L muestra_descripcion 'Semana Actual' 2005-01-01 || {
  controles 'Semana Actual' >"$out/controles.txt" 2>&1 || true
  fail "«Semana Actual» no describe el 1 de enero de 2005 (ver $out/controles.txt)"
}
foto 4-semana-actual "$(titulada 'Semana Actual')"
# "Cancelar" only closes the menu.
elegir 5
visible 'Semana Actual' || fail "Cancelar cerró «Semana Actual»"

elegir 2
esperar $L visible 'Buscar Semana Por Día' || fail "Buscar Semana Epidemiológica por Día no abrió su ventana"
esperar $L oculta 'Semana Actual' || fail "«Semana Actual» siguió abierta"
esperar $L muestra_descripcion 'Buscar Semana Por Día' 2005-01-01 || {
  controles 'Buscar Semana Por Día' >"$out/controles.txt" 2>&1 || true
  fail "«Buscar Semana Por Día» no describe el día de hoy (ver $out/controles.txt)"
}
foto 5-buscar-por-dia "$(titulada 'Buscar Semana Por Día')"

elegir 3
esperar $L visible 'Semanas del año' || fail "Ver Semanas Epidemiológicas del Año no abrió su ventana"
esperar $L oculta 'Buscar Semana Por Día' || fail "«Buscar Semana Por Día» siguió abierta"
foto 6-semanas-del-anio "$(titulada 'Semanas del año')"

elegir 6
esperar $L visible 'Acerca de Tarvolo' || fail "Acerca de... no abrió «Acerca de Tarvolo»"
visible 'Semanas del año' || fail "Acerca de... cerró «Semanas del año»"
foto 7-acerca-de "$(titulada 'Acerca de Tarvolo')"
tecla_en 'Acerca de Tarvolo' Return
esperar $L oculta 'Acerca de Tarvolo' || fail "Aceptar no cerró «Acerca de Tarvolo»"

# --- 4. A year's table: type the year, Alt+M, then copy the table out ---
anio=2009
rango='Semanas del año'
clic_en "$rango" 600 1600 5760   # txtAnio
esperar $L en_caja_de_linea "$rango" || fail "el clic no llevó el foco al año"
xdotool key ctrl+a type "$anio"
esperar $L eval '[ "$(texto_enfocado "$rango")" = "$anio" ]' || fail "el año no quedó escrito"
xdotool key alt+m
# The table box shows the year's table, line for line as the companion
# prints it.
tabla_en_pantalla() {
  controles "$rango" | awk -F'\t' -v a="$anio" '$1 == "text" && index($3, "/" a) {print $3; exit}' |
    sed 's/\\t/\t/g; s/\\n/\n/g'
}
esperada=$("$cli" tabla "$anio" semanas | tr -d '\r')
esperar $L eval '[ "$(tabla_en_pantalla)" = "$esperada" ]' || {
  diff <(tabla_en_pantalla) <(echo "$esperada") >"$out/tabla.diff" || true
  fail "la caja no mostró la tabla de $anio (ver $out/tabla.diff)"
}
foto 8-tabla-$anio "$(titulada "$rango")"
clic_en "$rango" 2000 3000 5760  # txtSemanas
esperar $L eval 'texto_enfocado "$rango" | grep -qF "/$anio"' || fail "el clic no llevó el foco a la tabla"
xdotool key alt+e
esperar $L pantalla agarrado || fail "Alt+E no abrió el menú Editar"
xdotool key t
esperar $L eval '! pantalla agarrado' || fail "el menú Editar no se cerró"
xdotool key ctrl+c
esperar $L bash -c "xclip -o -selection clipboard | grep -q '$anio'" || fail "la tabla no se pudo copiar"
diff <(xclip -o -selection clipboard | tr -d '\r') <("$cli" tabla "$anio" semanas | tr -d '\r') >"$out/tabla.diff" ||
  fail "la tabla de $anio en pantalla no es la esperada (ver $out/tabla.diff)"

# --- 5. Printing it ---
if [ -n "$impresora" ]; then
  touch "$out/antes-de-imprimir"
  clic_en "$rango" 4200 1500 5760  # cmdPrint
  esperar $((3 * L)) pdf_tras "$out/antes-de-imprimir" || fail "no llegó ningún PDF a $pdf_out"
  esperar $L hay_mensaje || fail "no se confirmó la impresión"
  foto 9-impresion-confirmada "$(mensaje)"
  pdf=$(pdf_tras "$out/antes-de-imprimir")
  esperar $L una_pagina "$pdf" || fail "lo impreso no es una página"
  cp "$pdf" "$out/impreso.pdf"
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
  esperar $L eval '! hay_mensaje' || fail "la confirmación no se cerró"
fi

# --- 6. The endemic channel of a case list: its path typed in the box,
# Enter (Mostrar), the verdict the companion gives for the same list and
# the program's today, then the page printed ---
canal='Canal endémico'
casos="$out/casos.csv"
"$fuentes/bench/convertir/generar.py" 5000 "$casos"
elegir 4
esperar $L visible "$canal" || fail "Ver Canal Endémico... no abrió «$canal»"
esperar $L oculta "$rango" || fail "«$rango» siguió abierta"
# The window opens with the focus in the file box.
esperar $L en_caja_de_linea "$canal" || fail "«$canal» no abrió con el foco en el archivo"
xdotool type "$casos"
esperar $L eval '[ "$(texto_enfocado "$canal")" = "$casos" ]' || fail "la ruta de la lista no quedó escrita"
xdotool key Return
# Its last week with cases, as the companion computes it on the same day.
veredicto=$(faketime -f '@2005-01-01 10:00:00' "$cli" canal "$casos" 2>/dev/null | tr -d '\r' | awk -F';' '
  NR > 1 && $7 != "" && $7 > 0 {
    v = "Semana " $1 " (" $2 " al " $3 "): " $7 ($7 == 1 ? " caso" : " casos") ", zona de " $8 }
  END { print v }')
[ -n "$veredicto" ] || fail "el compañero no dio el canal de $casos"
veredicto_en_pantalla() { controles "$canal" | awk -F'\t' '$1 == "label" && $2 ~ /^Semana / {print $2; exit}'; }
esperar $((3 * L)) eval '[ "$(veredicto_en_pantalla)" = "$veredicto" ]' || {
  controles "$canal" >"$out/controles.txt" 2>&1 || true
  fail "«$canal» no dijo «$veredicto» (ver $out/controles.txt)"
}
echo "escritorio: $veredicto"
foto 11-canal-endemico "$(titulada "$canal")"
if [ -n "$impresora" ]; then
  touch "$out/antes-del-canal"
  clic_en "$canal" 5857 1207 7860  # cmdPrint
  esperar $((3 * L)) pdf_tras "$out/antes-del-canal" || fail "el canal no llegó impreso a $pdf_out"
  esperar $L hay_mensaje || fail "no se confirmó la impresión del canal"
  foto 12-canal-impreso "$(mensaje)"
  pdf=$(pdf_tras "$out/antes-del-canal")
  esperar $L una_pagina "$pdf" || fail "el canal impreso no es una página"
  cp "$pdf" "$out/canal.pdf"
  # The queue's paper stands upright and cups-pdf turns a landscape page onto
  # it: the page the program handed over is the one that lies across.
  documento=$(ls -t "$impresora"/spool/d*-001 | head -n1)
  pdfinfo "$documento" | awk '/^Page size:/ { exit !($3 > $5) }' || fail "el canal no se imprimió apaisado"
  pdftotext "$documento" "$out/canal.txt"
  tr -s ' \t\r\n\f' ' ' <"$out/canal.txt" | grep -qF 'Canal endémico 2004' ||
    fail "lo impreso no nombra «Canal endémico 2004» (ver $out/canal.txt)"
  xdotool windowfocus --sync "$(mensaje)" key Return
  esperar $L eval '! hay_mensaje' || fail "la confirmación del canal no se cerró"
fi

# --- 7. Salir: the program ends at once and takes its icon along ---
abrir_menu
xdotool key Up Return
salida_ms=$(ahora_ms)
esperar $L terminado || fail "Salir no terminó el programa"
echo "escritorio: el programa terminó $(( $(ahora_ms) - salida_ms )) ms después de elegir Salir"
wait "$tarvolo_pid" || fail "Salir terminó con estado $?"
! icono || fail "el icono siguió en el área de notificación"

# --- 8. No notification area: the current-week window stands in for it ---
kill "$trayer_pid"
esperar $L eval '! panel' || fail "trayer no se cerró"
arrancar sin-bandeja
esperar $L visible 'Semana Actual' || fail "sin bandeja no se mostró «Semana Actual»"
esperar $L hay_mensaje || fail "sin bandeja no hubo mensaje"
foto 10-sin-bandeja
xdotool windowfocus --sync "$(mensaje)" key Return
esperar $L eval '! hay_mensaje' || fail "sin bandeja el mensaje no se cerró"
tecla_en 'Semana Actual' Return
esperar $L terminado || fail "sin bandeja el programa no terminó al cerrar su ventana"
wait "$tarvolo_pid" || fail "sin bandeja terminó con estado $?"

echo "escritorio: todo bien; capturas:"
printf '  %s\n' "${fotos[@]}"
