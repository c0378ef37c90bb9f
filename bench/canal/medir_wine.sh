#!/usr/bin/env bash
# The endemic channel's window under Wine on a generated 2-million-row case
# list: the time from the click on Mostrar to the verdict in its label,
# median of N runs. tarvolo.exe runs on a virtual X server (its icon in the
# notification area Wine shows of its own); the test's driver opens the
# window from the tray's menu and times each click itself, inside Wine, so
# that starting a Wine process for each look costs nothing.
#   bench/canal/medir_wine.sh BUILD_WINDOWS [FILAS] [N]
# The list is generated once into bench/convertir/medir.sh's folder and kept.
set -euo pipefail
fuentes=$(cd "$(dirname "$0")/../.." && pwd)
windows=$(readlink -f "$1"); filas=${2:-2000000}; veces=${3:-5}
carpeta=${TMPDIR:-/tmp}/tarvolo-bench-convertir
mkdir -p "$carpeta"
lista=$carpeta/casos-$filas.csv
[ -s "$lista" ] || "$fuentes/bench/convertir/generar.py" "$filas" "$lista"

source "$fuentes/scripts/escritorio_virtual.sh"
out=$(mktemp -d)
iniciar_xvfb /dev/null || fail "Xvfb no arrancó"
export WINEPREFIX="$out/prefijo" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=$(command -v /usr/lib/wine/wine64 || command -v wine64 || command -v wine)
wineserver=$(command -v /usr/lib/wine/wineserver || command -v wineserver)
trap '"$wineserver" -k 2>/dev/null || true; terminar_procesos; rm -rf "$out"' EXIT
espanol() { LC_ALL=es_ES.UTF-8 timeout "$ESCRITORIO_LIMITE" "$wine" "$@"; }
conductor() { printf '%s\n' "$@" | espanol "$windows/tests/win32/conductor.exe" - | tr -d '\r'; }
visible() { conductor ventanas | awk -F'\t' -v t="$1" '$3 == t {f = 1} END {exit !f}'; }
espanol wineboot --init >/dev/null 2>&1
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"

espanol "$windows/tarvolo.exe" >/dev/null 2>&1 &
pids+=($!)
# Its splash comes and goes once it is listening.
esperar 60 visible Tarvolo || fail "tarvolo.exe no arrancó"
esperar 60 eval '! visible Tarvolo' || fail "la presentación no se cerró"
# The tray's menu, asked for with the messages the shell sends on a right
# click (Wine's menus cannot be read from another process): its fourth
# entry opens the channel.
menu_visible() { conductor ventanas | awk -F'\t' '$2 == "#32768" {f = 1} END {exit !f}'; }
conductor bandeja $((0x204)) && conductor bandeja $((0x205)) || fail "no se pudo avisar al icono"
esperar 60 menu_visible || fail "el clic derecho no abrió el menú"
conductor emergente 4 || fail "no se pudo elegir en el menú"
esperar 60 visible 'Canal endémico' || fail "no se abrió «Canal endémico»"

mediana() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
ruta="Z:${lista//\//\\}"
: >"$out/ms"
for _ in $(seq "$veces"); do
  conductor cronometrar 'Canal endémico' 'Lista de casos o conteos' "$ruta" Mostrar Calculando >>"$out/ms" ||
    fail "una vuelta no terminó"
done
veredicto=$(conductor controles 'Canal endémico' | awk -F'\t' '$1 == "Static" && $2 ~ /^Semana / {print $2}')
echo "canal endémico en Wine, $filas filas ($(stat -c %s "$lista") bytes): mediana $(mediana <"$out/ms") ms" \
  "de Mostrar al veredicto ($veces vueltas: $(tr '\n' ' ' <"$out/ms")); carga $(cut -d' ' -f1-3 /proc/loadavg)"
echo "veredicto: $veredicto"
