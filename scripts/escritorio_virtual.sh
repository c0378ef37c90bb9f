# shellcheck shell=bash
# A virtual desktop for the tests and benchmarks that run the real program;
# source it. Both functions add what they start to the caller's `pids` array
# and return non-zero if it does not come up within ten seconds. Each runs
# under a timeout, so that nothing outlives a caller that was killed outright.
: "${ESCRITORIO_LIMITE:=600}"

# Window titles carry accents, and the X tools print them in the caller's
# locale: a machine without one (a fresh install sets no LANG) would show
# them as conversion failures and no title would ever match.
export LC_ALL=C.UTF-8

# What the caller starts goes into `pids` and ends when the caller exits,
# whichever way. A caller with more to undo sets its own EXIT trap and calls
# terminar_procesos from it.
pids=()
terminar_procesos() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap terminar_procesos EXIT

# $1 made again, empty: the folder where a test keeps what it saw.
carpeta_vacia() {
  rm -rf "$1"
  mkdir -p "$1"
}

# A failed step: the message, then the screen and its windows as they were
# (fallo.png, ventanas.txt in the caller's $out), and the end of the caller.
# A caller that keeps more defines al_fallar, which runs before the end.
fail() {
  echo "FALLO: $*" >&2
  if import -window root "${out:?}/fallo.png" 2>/dev/null; then echo "pantalla: $out/fallo.png" >&2; fi
  xwininfo -root -tree >"$out/ventanas.txt" 2>/dev/null || true
  if declare -F al_fallar >/dev/null; then al_fallar; fi
  exit 1
}

# Xvfb on a display it picks itself (it tells the number on a pipe); exports
# DISPLAY. $1: where its messages go.
iniciar_xvfb() {
  local numero pid n
  exec {numero}< <(timeout "$ESCRITORIO_LIMITE" Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>"$1" & echo "pid $!")
  read -r _ pid <&"$numero"; pids+=("$pid")
  read -r -t 10 n <&"$numero" || return 1
  export DISPLAY=":$n"
  timeout 10 bash -c 'until xdpyinfo >/dev/null 2>&1; do sleep 0.1; done'
}

# A real notification area along the top edge. $1: where its messages go.
iniciar_trayer() {
  timeout "$ESCRITORIO_LIMITE" trayer --edge top --align right --widthtype request --height 24 --transparent false >"$1" 2>&1 &
  pids+=($!)
  timeout 10 bash -c "until xwininfo -root -tree | grep -q '\"panel\"'; do sleep 0.1; done"
}

# A private D-Bus session bus, so that what the program publishes there (the
# accessibility tree, a tray item, notifications) meets only what the caller
# starts; exports DBUS_SESSION_BUS_ADDRESS. $1: where its messages go.
iniciar_bus() {
  local direccion pid a
  exec {direccion}< <(timeout "$ESCRITORIO_LIMITE" dbus-daemon --session --nofork --print-address=1 2>"$1" & echo "pid $!")
  read -r _ pid <&"$direccion"; pids+=("$pid")
  read -r -t 10 a <&"$direccion" || return 1
  export DBUS_SESSION_BUS_ADDRESS=$a
}

ahora_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# Waits up to $1 seconds for the command that follows to succeed, trying
# again every twentieth of a second: what a step waits for is a state it can
# see, never a length of time.
esperar() {
  local limite=$(( $(ahora_ms) + $1 * 1000 )); shift
  until "$@" >/dev/null 2>&1; do
    [ "$(ahora_ms)" -lt "$limite" ] || return 1
    sleep 0.05
  done
}

# Waits up to $1 seconds for a mapped window titled exactly $2 and prints its
# id.
esperar_ventana() {
  timeout "$1" xdotool search --sync --onlyvisible --name "^$2\$" 2>/dev/null | head -n1 | grep .
}

# Waits up to $1 seconds each for the splash (the one window titled just
# "Tarvolo") to show and then to close: waiting only for it to be gone could
# pass before it ever mapped, on a busy machine.
esperar_presentacion() {
  local w
  w=$(esperar_ventana "$1" Tarvolo) || return 1
  esperar "$1" eval "! xwininfo -id $w 2>/dev/null | grep -q IsViewable"
}

# The accessibility bus on the private session bus, up before the program
# asks for it, and its registry, which screen readers and pyatspi read.
iniciar_accesibilidad() {
  timeout 10 gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
    --method org.a11y.Bus.GetAddress >/dev/null || return 1
  timeout 10 /usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0).childCount' >/dev/null 2>&1
}

# The program keeps one copy per session through a socket in XDG_RUNTIME_DIR:
# a folder of the caller's own, so that a Tarvolo already running for this
# user (or another test's) does not take the start over. $1: that folder.
sesion_privada() {
  mkdir -p -m 700 "$1"
  export XDG_RUNTIME_DIR="$1"
}

# A default printer that writes PDF files, in "$out/cups", where this machine
# can run a print server: sets `impresora` (its folder, empty without one),
# exports CUPS_SERVER and sets `pdf_out`, where the PDF files arrive. The
# caller stops it with parar_impresora. Without a print server it says so and
# the caller leaves printing out.
impresora=
iniciar_impresora() {
  local salida
  if salida=$(bash "$(dirname "${BASH_SOURCE[0]}")/cups-pdf-printer.sh" start "$out/cups" 2>"$out/cups.err"); then
    impresora="$out/cups"
    CUPS_SERVER=$(sed -n 's/^CUPS_SERVER=//p' <<<"$salida")
    export CUPS_SERVER
    pdf_out=$(sed -n 's/^PDF_OUT=//p' <<<"$salida")
  elif [ $? -eq 3 ]; then
    echo "$(basename "$0"): sin servidor de impresión aquí ($(cat "$out/cups.err")); se omite imprimir"
  else
    fail "no arrancó la impresora PDF: $(cat "$out/cups.err")"
  fi
}
# The first PDF the queue wrote after the file MARCA was touched; nothing
# (and a failure) while there is none.
pdf_tras() { find "$pdf_out" -name '*.pdf' -newer "$1" 2>/dev/null | head -n1 | grep .; }
# cups-pdf may still be writing PDF: a whole file says it has one page.
una_pagina() { pdfinfo "$1" 2>/dev/null | grep -qE '^Pages: +1$'; }
parar_impresora() {
  [ -z "$impresora" ] || bash "$(dirname "${BASH_SOURCE[0]}")/cups-pdf-printer.sh" stop "$impresora" || true
}

# foto NAME [WINDOW]: a screenshot of the window, or of the whole screen, kept
# in "$out" and listed in `fotos` for the caller's report.
fotos=()
foto() {
  import -window "${2:-root}" "$out/$1.png"
  fotos+=("$out/$1.png")
}
