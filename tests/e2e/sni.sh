#!/usr/bin/env bash
# The real tray program on a desktop whose notification area is a D-Bus
# item host (status-notifier-watcher and gtk-sni-tray-standalone) and whose
# balloons are desktop notifications, all on a private session bus:
#   sni.sh TARVOLO OUTDIR              the user's session, start to Salir
#   sni.sh TARVOLO OUTDIR TARVOLO-CLI  just before a new week: the
#                                      tooltip and the icon follow it unasked
# The item is read and driven over D-Bus as a host does; windows are found
# by their titles on a virtual X server.
set -euo pipefail
tarvolo=$1
out=$2
cli=${3:-}
fuentes=$(cd "$(dirname "$0")/../.." && pwd)
source "$fuentes/scripts/escritorio_virtual.sh"
carpeta_vacia "$out"

sesion_privada "$out/sesion"
ESCRITORIO_LIMITE=110
L=20
sni() { timeout 10 /usr/bin/python3 "$fuentes/tests/e2e/sni.py" "$@"; }
pantalla() { timeout 10 /usr/bin/python3 "$fuentes/tests/e2e/pantalla.py" "$@"; }
visible() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
# The program's pop-up menu: a mapped override-redirect window of it that
# holds the keyboard.
menu_abierto() {
  local w
  for w in $(xdotool search --onlyvisible --classname '^tarvolo$' 2>/dev/null); do
    xwininfo -id "$w" | grep -q 'Override Redirect State: yes' && pantalla agarrado && return 0
  done
  return 1
}

iniciar_xvfb "$out/xvfb.log" || fail "Xvfb no arrancó"
iniciar_bus "$out/bus.log" || fail "el bus de sesión no arrancó"
timeout "$ESCRITORIO_LIMITE" /usr/bin/python3 "$fuentes/tests/e2e/sni.py" notificaciones "$out/notificaciones.txt" \
  >"$out/notificaciones.log" 2>&1 &
pids+=($!)
timeout "$ESCRITORIO_LIMITE" status-notifier-watcher >"$out/watcher.log" 2>&1 &
pids+=($!)
esperar $L gdbus introspect --session --dest org.kde.StatusNotifierWatcher --object-path /StatusNotifierWatcher ||
  fail "status-notifier-watcher no arrancó"
timeout "$ESCRITORIO_LIMITE" gtk-sni-tray-standalone >"$out/host.log" 2>&1 &
pids+=($!)
anfitrion() {
  gdbus call --session --dest org.kde.StatusNotifierWatcher --object-path /StatusNotifierWatcher \
    --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher IsStatusNotifierHostRegistered |
    grep -q true
}
esperar $L anfitrion || fail "gtk-sni-tray-standalone no se registró como anfitrión"
esperar $L test -e "$out/notificaciones.txt" || fail "el servidor de notificaciones no arrancó"

# It runs on a fixed day: Saturday 1 January 2005, week 52 of 2004; or, for
# the new week, from 25 seconds before the Sunday that begins week 2 of 2005.
# The clock runs on from there; timers keep the real one.
[ -z "$cli" ] && comienzo='2005-01-01 10:00:00' || comienzo='2005-01-08 23:59:35'
# Real time at the program's start: its midnight comes 25 seconds later.
lanzado=$(ahora_ms)
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 FAKETIME_DONT_FAKE_MONOTONIC=1 timeout 100 \
  faketime -f "@$comienzo" "$tarvolo" >"$out/tarvolo.log" 2>&1 &
tarvolo_pid=$!
pids+=("$tarvolo_pid")

# The notifications the daemon has taken, once it has handled every message
# sent before this call: it answers the bus in order.
notificaciones() {
  gdbus call --session --dest org.freedesktop.Notifications --object-path /org/freedesktop/Notifications \
    --method org.freedesktop.Notifications.GetServerInformation >/dev/null || fail "el servidor de notificaciones no responde"
  cat "$out/notificaciones.txt"
}

if [ -n "$cli" ]; then
  semana_antes=$("$cli" semana 08/01/2005 | cut -d' ' -f1)
  antes="Semana Epidemiológica $semana_antes"
  despues="Semana Epidemiológica $("$cli" semana 09/01/2005 | cut -d' ' -f1)"
  [ "$antes" != "$despues" ] || fail "el 8 y el 9 de enero de 2005 no son semanas distintas"
  esperar $L sni item || fail "el programa no registró su icono"
  # While a balloon is fresh (ten seconds), Qt shows its texts as the
  # tooltip; the week's comes back after it, before midnight.
  esperar $L eval '[ "$(sni tip)" = "$antes" ]' || fail "antes de medianoche el tooltip es «$(sni tip)», no «$antes»"
  # The greeting came once: the icon of the week, drawn just after it, did
  # not send it again.
  saludo=$'Tarvolo Versión 1.3.2\tSemana Epidemiológica Actual: '"$semana_antes"
  [ "$(notificaciones)" = "$saludo" ] || fail "al arrancar no llegó un solo saludo: $(notificaciones)"
  icono_antes=$(sni icono) || fail "no se pudo leer el icono"
  esperar 40 eval '[ "$(sni tip)" = "$despues" ]' || fail "a medianoche el tooltip siguió en «$(sni tip)», no «$despues»"
  tarde=$(( $(ahora_ms) - lanzado - 25000 ))
  [ "$tarde" -le 5000 ] || fail "el tooltip nombró la semana nueva $tarde ms después de medianoche"
  esperar $L eval '[ "$(sni icono)" != "$icono_antes" ]' || fail "a medianoche el icono no cambió"
  # The new week is no greeting: nothing more reached the daemon.
  [ "$(notificaciones)" = "$saludo" ] || fail "a medianoche llegaron notificaciones: $(notificaciones)"
  echo "sni: un solo saludo; la semana nueva llegó al tooltip ${tarde} ms después de medianoche, y al icono, sin ningún clic"
  exit 0
fi

# --- The item: registered with the program's icon and the week as tooltip ---
esperar $L sni item || fail "el programa no registró su icono"
esperar $L eval '[ "$(sni tip)" = "Semana Epidemiológica 52" ]' ||
  fail "el tooltip es «$(sni tip)», no «Semana Epidemiológica 52»"
# The program's picture, at the sizes it is drawn in.
for t in 16 32; do
  convert "$fuentes/resources/icono$t.png" -depth 8 "rgba:$out/icono$t.rgba"
  sni icono-es $t "$out/icono$t.rgba" || { sni icono >"$out/icono.txt" || true
    fail "el icono de ${t}×$t no es el del programa (ver $out/icono.txt)"; }
done
! grep -q 'No Icon set' "$out/tarvolo.log" || fail "Qt avisó de un icono sin imagen"

# --- The greeting, as a notification ---
saludo=$'Tarvolo Versión 1.3.2\tSemana Epidemiológica Actual: 52'
saludos() { grep -cxF "$saludo" "$out/notificaciones.txt" || true; }
esperar $L eval '[ "$(saludos)" -ge 1 ]' || fail "el saludo no llegó como notificación: $(cat "$out/notificaciones.txt")"
[ "$(notificaciones)" = "$saludo" ] || fail "al arrancar no llegó un solo saludo: $(notificaciones)"

# --- Activate greets again ---
antes=$(saludos)
sni llamar Activate 500 10 || fail "Activate falló"
esperar $L eval '[ "$(saludos)" -gt "$antes" ]' || fail "Activate no mostró el saludo otra vez"

# --- ContextMenu pops the menu; a choice opens its window ---
sni llamar ContextMenu 500 10 || fail "ContextMenu falló"
esperar $L menu_abierto || fail "ContextMenu no abrió el menú"
import -window root "$out/menu.png"
xdotool key Down Return
esperar $L visible 'Semana Actual' || fail "la primera entrada del menú no abrió «Semana Actual»"
esperar $L eval '! pantalla agarrado' || fail "el menú no se cerró"
import -window root "$out/semana-actual.png"

# --- The published menu: what hosts that draw the menu themselves show ---
sni menu >"$out/menu.txt" || fail "el programa no publicó su menú"
printf '%s\n' 'Ver Semana Epidemiológica Actual' 'Buscar Semana Epidemiológica por Día' \
  'Ver Semanas Epidemiológicas del Año' 'Ver Canal Endémico...' 'Cancelar' 'Acerca de...' 'Salir' >"$out/menu-esperado.txt"
diff "$out/menu-esperado.txt" "$out/menu.txt" >"$out/menu.diff" || fail "el menú publicado no es el del programa ($out/menu.diff)"
sni elegir 'Buscar Semana Epidemiológica por Día' || fail "no se pudo elegir en el menú publicado"
esperar $L visible 'Buscar Semana Por Día' || fail "el menú publicado no abrió «Buscar Semana Por Día»"

# --- Salir, from the published menu: the item leaves and the program ends ---
sni elegir Salir || fail "no se pudo elegir Salir"
esperar $L eval '! kill -0 $tarvolo_pid 2>/dev/null' || fail "Salir no terminó el programa"
wait "$tarvolo_pid" || fail "Salir terminó con estado $?"
esperar $L eval '! sni item' || fail "el icono siguió registrado tras Salir"

echo "sni: todo bien; capturas: $out/menu.png $out/semana-actual.png"
