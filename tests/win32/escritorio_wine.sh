#!/usr/bin/env bash
# The Windows program under Wine, on a virtual X server with a real
# notification area (trayer), in a Spanish Windows: the icon and its balloon,
# the pop-up menu and each window, the year's table, a printout through a
# private CUPS queue, the endemic channel of a generated case list with its
# printed page, a second start, and Salir. (With no notification area on the X server,
# Wine shows one of its own, so that start is left to the Linux test.) A driver
# in the same Wine prefix reads the windows' controls as another Windows
# program can.
#   escritorio_wine.sh TARVOLO.EXE CONDUCTOR.EXE TARVOLO-CLI.EXE OUTDIR
# Keeps a screenshot of every step in OUTDIR and lists them at the end.
set -euo pipefail
exe=$(readlink -f "$1")
conductor_exe=$(readlink -f "$2")
cli_exe=$(readlink -f "$3")
out=$(readlink -f "$4")
fuentes=$(cd "$(dirname "$0")/../.." && pwd)
ESCRITORIO_LIMITE=350
export CUPS_LIMITE=350
source "$fuentes/scripts/escritorio_virtual.sh"
carpeta_vacia "$out"
L=30

export WINEPREFIX="$out/prefijo" WINEDEBUG=-all
# No Mono or Gecko offers, and no links written into this machine's menus.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=$(command -v /usr/lib/wine/wine64 || command -v wine64 || command -v wine)
wineserver=$(command -v /usr/lib/wine/wineserver || command -v wineserver)
# Windows in Spanish: Wine takes the user's locale from the environment.
espanol() { LC_ALL=es_ES.UTF-8 timeout "$ESCRITORIO_LIMITE" "$wine" "$@"; }
# Its arguments go through a pipe, which keeps their accents (see conductor.cpp).
conductor() { printf '%s\n' "$@" | espanol "$conductor_exe" - | tr -d '\r'; }
cli() { espanol "$cli_exe" "$@" | tr -d '\r'; }

cleanup() {
  "$wineserver" -k 2>/dev/null || true
  terminar_procesos
  parar_impresora
}
trap cleanup EXIT

# What the driver reads on the screen when a step fails, and in the window of
# that step.
al_fallar() {
  conductor ventanas >"$out/conductor.txt" 2>&1 || true
  [ -z "${paso:-}" ] || conductor controles "$paso" >>"$out/conductor.txt" 2>&1 || true
}

# --- What the screen shows ---
visible() { conductor ventanas | awk -F'\t' -v t="$1" '$3 == t {f = 1} END {exit !f}'; }
oculta() { ! visible "$1"; }
mensaje_visible() { conductor ventanas | awk -F'\t' '$2 == "#32770" && $3 == "Tarvolo" {f = 1} END {exit !f}'; }
menu_visible() { conductor ventanas | awk -F'\t' '$2 == "#32768" {f = 1} END {exit !f}'; }
# The icon: Wine's tray window docked inside trayer's panel.
icono() {
  xwininfo -root -tree | awk '/"panel": \("panel" "trayer"\)/ {p = 1; next}
    p && /\("explorer.exe" "explorer.exe"\)/ {print $1; f = 1; exit} /^     0x/ {p = 0} END {exit !f}'
}
geometria() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                            /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}
# Balloons mapped so far: Wine's explorer draws them, tall tool tips.
globos() { awk '$3 == 1 && $7 >= 40' "$out/mapeadas.txt" | wc -l; }
# The label texts of a window, with line ends as \n.
etiquetas() { conductor controles "$1" | awk -F'\t' '$1 == "Static" && $2 != "" {print $2}'; }
descripcion() { cli describir "$1" | awk 'NR > 1 {printf "\\n"} {printf "%s", $0}'; }
describe() { paso=$1; etiquetas "$1" | grep -qxF "$(descripcion "$2")"; }

# Wine takes a click on the icon only once it has seen the pointer come in,
# which nothing on the screen tells: the click is tried again until the menu
# is there.
clic_derecho() {
  xdotool mousemove "$ix" "$iy" mousemove_relative 1 1
  xdotool mousedown 3 mouseup 3
  esperar 3 menu_visible
}
# Wine's docked icon sometimes stops drawing and hearing the pointer when
# something happens on the screen while it docks (seen as a blank square);
# the program is not told. Then the menu is asked for with the message the
# shell sends on a right click, and the run says so.
abrir_menu() {
  esperar 10 clic_derecho && return
  echo "escritorio_wine: el icono de Wine no atendió al puntero; se envió el clic derecho como lo envía la bandeja"
  conductor bandeja $((0x204)) && conductor bandeja $((0x205)) || fail "no se pudo avisar al icono"
  esperar $L menu_visible || fail "el clic derecho no abrió el menú"
}
elegir() {
  abrir_menu
  conductor emergente "$1" || fail "no se pudo elegir en el menú"
  esperar $L eval '! menu_visible' || fail "el menú no se cerró"
}

# --- Set-up ---
iniciar_impresora
iniciar_xvfb "$out/xvfb.log" || fail "Xvfb no arrancó"
iniciar_trayer "$out/trayer.log" || fail "trayer no arrancó"
espanol wineboot --init >"$out/wineboot.log" 2>&1 || fail "Wine no preparó su prefijo"
# Wine finds the faces its windows are drawn in only in the prefix.
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"

PANTALLA_PROGRAMA=explorer.exe timeout "$ESCRITORIO_LIMITE" /usr/bin/python3 "$fuentes/tests/e2e/pantalla.py" \
  vigilar "$out/mapeadas.txt" &
pids+=($!)
esperar $L test -e "$out/mapeadas.txt" || fail "no se pudo vigilar la pantalla"

arrancar() {
  espanol "$exe" >"$out/$1.log" 2>&1 &
  tarvolo_pid=$!
  pids+=("$tarvolo_pid")
}
terminado() { ! kill -0 "$tarvolo_pid" 2>/dev/null; }

hoy=$(date +%F)
semana=$(cli semana "$hoy" | cut -d' ' -f1)

# --- 1. Start-up: the splash, the icon with the week, one greeting ---
arrancar bandeja
esperar $L visible Tarvolo || fail "no se mostró la presentación"
foto 1-presentacion
esperar $L icono || fail "el icono no llegó al área de notificación"
read -r ix iy _ < <(geometria "$(icono)")
# Its upper half: the balloon's stem may lie over the lower one.
ix=$((ix + 8)); iy=$((iy + 4))
esperar $L eval '[ "$(globos)" -ge 1 ]' || fail "el globo del arranque no apareció"
foto 2-globo
esperar $L eval '! visible Tarvolo' || fail "la presentación no se cerró sola"
[ "$(globos)" -eq 1 ] || fail "al arrancar se mostraron $(globos) globos, no uno"
conductor ventanas | grep -qF "Semana Epidemiológica Actual: $semana" ||
  fail "el globo no nombra la semana $semana"

# --- 2. The menu's windows, their texts read from the controls ---
elegir 1
esperar $L visible 'Semana Actual' || fail "el menú no abrió «Semana Actual»"
esperar $L describe 'Semana Actual' "$hoy" || fail "«Semana Actual» no describe $hoy"
foto 3-semana-actual

elegir 2
esperar $L visible 'Buscar Semana Por Día' || fail "el menú no abrió «Buscar Semana Por Día»"
esperar $L oculta 'Semana Actual' || fail "«Semana Actual» siguió abierta"
esperar $L describe 'Buscar Semana Por Día' "$hoy" || fail "«Buscar Semana Por Día» no describe $hoy"
foto 4-buscar-por-dia

elegir 3
rango='Semanas del año'
esperar $L visible "$rango" || fail "el menú no abrió «$rango»"
esperar $L oculta 'Buscar Semana Por Día' || fail "«Buscar Semana Por Día» siguió abierta"

# --- 3. The year's table ---
anio=2009
conductor escribir "$rango" Año "$anio" || fail "no hay caja para el año"
conductor pulsar "$rango" Mostrar || fail "no hay botón Mostrar"
tabla() { conductor controles "$rango" | awk -F'\t' -v a="$anio" '$1 == "Edit" && $4 == "visible" && index($2, "/" a) {print $2; exit}' |
  sed 's/\\t/\t/g; s/\\n/\n/g'; }
esperada=$(cli tabla "$anio" semanas)
esperar $L eval '[ "$(tabla)" = "$esperada" ]' || {
  diff <(tabla) <(echo "$esperada") >"$out/tabla.diff" || true
  fail "la caja no mostró la tabla de $anio (ver $out/tabla.diff)"
}
foto 5-tabla-$anio

# --- 4. Printing it ---
if [ -n "$impresora" ]; then
  touch "$out/antes-de-imprimir"
  conductor pulsar "$rango" Imprimir || fail "no hay botón Imprimir"
  esperar $((3 * L)) pdf_tras "$out/antes-de-imprimir" || fail "no llegó ningún PDF a $pdf_out"
  esperar $L mensaje_visible || fail "no se confirmó la impresión"
  foto 6-impresion-confirmada
  pdf=$(pdf_tras "$out/antes-de-imprimir")
  esperar $L una_pagina "$pdf" || fail "lo impreso no es una página"
  cp "$pdf" "$out/impreso.pdf"
  # Wine hands the queue PostScript with its fonts embedded whole (Type 42),
  # and cups-pdf's Ghostscript turns them into PDF fonts whose text reads
  # back. On a freshly installed Debian 12 the same Ghostscript left them out
  # of the PDF, text and all, while the PostScript it was given carried them:
  # there the words cannot be read back, and only that is left unchecked.
  if [ -z "$(pdffonts "$out/impreso.pdf" | tail -n +3)" ]; then
    echo "escritorio_wine: el PDF de la cola no lleva letras (Ghostscript de esta máquina); no se leen sus palabras"
  else
    pdftotext -layout "$out/impreso.pdf" "$out/impreso.txt" || fail "no se pudo leer el texto de lo impreso"
    { cli listado "$anio" semanas; echo 'Tarvolo  Versión 1.3.2 - Ordalen - Brevanto - Castmara.'; } >"$out/esperado.txt"
    palabras() { tr -s ' \t\r\n\f' '\n' <"$1" | grep .; }
    diff <(palabras "$out/esperado.txt") <(palabras "$out/impreso.txt") >"$out/impreso.diff" || {
      head -n 20 "$out/impreso.diff" >&2
      fail "lo impreso no es el listado de $anio (ver $out/impreso.diff)"
    }
  fi
  # What Wine handed the queue names the listing's fonts either way.
  grep -aq '/FontName /WineTahoma' "$(ls -t "$impresora"/spool/d*-001 | head -n1)" ||
    fail "lo que Wine dio a la cola no lleva la letra del listado"
  # The message box's button is Windows's, in Spanish.
  conductor pulsar Tarvolo Aceptar || fail "la confirmación no tiene botón «Aceptar»"
  esperar $L eval '! mensaje_visible' || fail "la confirmación no se cerró"
fi

# --- 5. The endemic channel of a generated case list ---
elegir 4
canal='Canal endémico'
paso=$canal
esperar $L visible "$canal" || fail "el menú no abrió «$canal»"
esperar $L oculta "$rango" || fail "«$rango» siguió abierta"
# Wine names a file in its locale's code page: where this machine has no
# es_ES.UTF-8 it falls back to ASCII, and a name with an accent cannot be
# opened (the Windows step's tests open one in C.UTF-8).
if locale -a 2>/dev/null | grep -qix 'es_ES.utf-\?8'; then lista="$out/casos de señal.csv"; else lista="$out/casos de senal.csv"; fi
python3 "$fuentes/bench/convertir/generar.py" 3000 "$lista"
# Wine's drive Z: is the root of this machine's files.
lista_wine="Z:${lista//\//\\}"
# The verdict the companion gives for the same file on the same day: the last
# week with cases, as the window words it.
esperado_canal=$(cli canal "$lista_wine" | awk -F';' '
  function fecha(f) { return f ~ /^[0-9]{4}-/ ? substr(f, 9, 2) "/" substr(f, 6, 2) "/" substr(f, 1, 4) : f }
  NR > 1 && $7 != "" && $7 + 0 > 0 {v = sprintf("Semana %s (%s al %s): %s %s, zona de %s", $1, fecha($2), fecha($3),
                                                $7, $7 == 1 ? "caso" : "casos", $8)}
  END {print v}')
[ -n "$esperado_canal" ] || fail "el compañero no dio el canal de $lista"
anio_canal=$(conductor controles "$canal" | awk -F'\t' 'a && $1 == "Edit" {print $2; exit} {a = $1 == "Static" && $2 == "Año"}')
conductor escribir "$canal" 'Lista de casos o conteos' "$lista_wine" || fail "no hay caja para la lista"
conductor pulsar "$canal" Mostrar || fail "no hay botón Mostrar"
veredicto() { etiquetas "$canal" | grep -E '^(Semana [0-9]+ \(|Sin casos en )'; }
esperar $((3 * L)) veredicto || fail "«$canal» no dio su veredicto"
[ "$(veredicto)" = "$esperado_canal" ] ||
  fail "el veredicto «$(veredicto)» no es el del compañero, «$esperado_canal»"
foto 7-canal-endemico

if [ -n "$impresora" ]; then
  touch "$out/antes-del-canal"
  conductor pulsar "$canal" Imprimir || fail "no hay botón Imprimir en «$canal»"
  esperar $((3 * L)) pdf_tras "$out/antes-del-canal" || fail "no llegó el PDF del canal a $pdf_out"
  esperar $L mensaje_visible || fail "no se confirmó la impresión del canal"
  conductor controles Tarvolo | grep -qF "El Canal Endémico del año $anio_canal\nha sido enviado a su impresora." ||
    fail "la confirmación no nombra el canal de $anio_canal"
  foto 8-canal-impreso
  pdf=$(pdf_tras "$out/antes-del-canal")
  esperar $L una_pagina "$pdf" || fail "el canal impreso no es una página"
  cp "$pdf" "$out/canal.pdf"
  # The page is wider than tall, as the drawing on it: a landscape page
  # reaches the PDF as a portrait one turned a quarter.
  pdfinfo "$out/canal.pdf" | awk '/^Page size:/ {a = $3; h = $5} /^Page rot:/ {r = $3 % 180}
    END {exit !((a > h) != (r == 90))}' || fail "el canal no se imprimió apaisado"
  # Its words only where the queue's Ghostscript keeps the fonts (see above).
  if [ -z "$(pdffonts "$out/canal.pdf" | tail -n +3)" ]; then
    echo "escritorio_wine: el PDF del canal no lleva letras (Ghostscript de esta máquina); no se leen sus palabras"
  else
    pdftotext "$out/canal.pdf" "$out/canal.txt" || fail "no se pudo leer el texto del canal impreso"
    grep -qF "Canal endémico $anio_canal" "$out/canal.txt" || fail "el canal impreso no dice «Canal endémico $anio_canal»"
  fi
  conductor pulsar Tarvolo Aceptar || fail "la confirmación no tiene botón «Aceptar»"
  esperar $L eval '! mensaje_visible' || fail "la confirmación no se cerró"
fi

# --- 6. About ---
elegir 6
esperar $L visible 'Acerca de Tarvolo' || fail "el menú no abrió «Acerca de Tarvolo»"
etiquetas 'Acerca de Tarvolo' | grep -qF 'Versión 1.3.2' || fail "«Acerca de Tarvolo» no dice la versión"
foto 9-acerca-de
conductor pulsar 'Acerca de Tarvolo' Aceptar || fail "«Acerca de Tarvolo» no tiene «Aceptar»"
esperar $L eval '! visible "Acerca de Tarvolo"' || fail "Aceptar no cerró «Acerca de Tarvolo»"

# --- 7. One program per session: a second start hands over and ends ---
espanol "$exe" >"$out/segunda.log" 2>&1 &
segunda=$!
esperar $L visible 'Semana Actual' || fail "la segunda vez no trajo «Semana Actual»"
esperar $L eval '! kill -0 $segunda 2>/dev/null' || fail "la segunda vez siguió corriendo"
wait "$segunda" || fail "la segunda vez terminó con estado $?"
foto 10-segunda-vez

# --- 8. Salir: the program ends and takes its icon along ---
elegir -1
esperar $L terminado || fail "Salir no terminó el programa"
wait "$tarvolo_pid" || fail "Salir terminó con estado $?"
esperar $L eval '! icono' || fail "el icono siguió en el área de notificación"

echo "escritorio_wine: todo bien; capturas:"
printf '  %s\n' "${fotos[@]}"
