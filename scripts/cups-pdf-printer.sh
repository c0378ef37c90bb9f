#!/usr/bin/env bash
# A private CUPS server whose default (and only) queue, TarvoloPDF, writes
# each job as a PDF file through cups-pdf. It keeps its own configuration,
# spool and socket under DIR and never touches the machine's own printers.
#
#   cups-pdf-printer.sh start DIR   starts it; prints the lines
#                                     CUPS_SERVER=<socket>
#                                     PDF_OUT=<folder where cups-pdf writes>
#   cups-pdf-printer.sh stop DIR    stops the cupsd that `start DIR` started
#
# Clients reach it with CUPS_SERVER set to the socket (and PRINTER=TarvoloPDF).
# cupsd must run as root: the cups-pdf backend is root-only by design.
set -euo pipefail

cola=TarvoloPDF
accion=${1:-}
dir=${2:-}
if [ -z "$accion" ] || [ -z "$dir" ]; then
  echo "uso: $0 start|stop DIR" >&2
  exit 2
fi

detener() {
  [ -f "$dir/cupsd.pid" ] || return 0
  local pid
  pid=$(cat "$dir/cupsd.pid")
  if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && kill -9 "$pid"
  fi
  rm -f "$dir/cupsd.pid"
}

if [ "$accion" = stop ]; then
  detener
  exit 0
fi
[ "$accion" = start ] || { echo "acción desconocida: $accion" >&2; exit 2; }

cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
[ -x "$cupsd" ] || { echo "falta cupsd (paquete cups)" >&2; exit 3; }
[ -e /usr/lib/cups/backend/cups-pdf ] || { echo "falta cups-pdf (paquete printer-driver-cups-pdf)" >&2; exit 3; }
[ "$(id -u)" -eq 0 ] || { echo "cupsd con cups-pdf necesita root" >&2; exit 3; }
ppd=$(dpkg -L printer-driver-cups-pdf 2>/dev/null | grep -m1 '/CUPS-PDF_opt\.ppd$' ||
      dpkg -L printer-driver-cups-pdf 2>/dev/null | grep -m1 '\.ppd$' || true)
[ -n "$ppd" ] && [ -f "$ppd" ] || { echo "no se encuentra el PPD de cups-pdf" >&2; exit 3; }

mkdir -p "$dir"/{etc/ppd,spool/tmp,cache,estado/certs,log}
dir=$(cd "$dir" && pwd)
# Filters run as the lp user: it must reach the spool.
chmod 755 "$dir" "$dir/etc" "$dir/log" "$dir/cache"
chown root:lp "$dir/spool" "$dir/spool/tmp" && chmod 1770 "$dir/spool/tmp" && chmod 710 "$dir/spool"
socket="$dir/cups.sock"

cat > "$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/estado
ServerBin /usr/lib/cups
DataDir /usr/share/cups
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
SystemGroup root
User lp
Group lp
CONF
cat > "$dir/etc/cupsd.conf" <<CONF
Listen $socket
LogLevel info
# Keeps what each job sent, for a look at the program's own output.
PreserveJobFiles Yes
Browsing No
BrowseLocalProtocols none
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

detener
# Under a time limit, so that a test killed outright leaves no server behind.
setsid timeout "${CUPS_LIMITE:-900}" "$cupsd" -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" </dev/null >"$dir/log/cupsd.out" 2>&1 &
echo $! > "$dir/cupsd.pid"

export CUPS_SERVER="$socket"
for _ in $(seq 100); do
  lpstat -r 2>/dev/null | grep -q 'is running' && break
  sleep 0.1
done
if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
  echo "cupsd no arrancó; ver $dir/log" >&2
  cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null || true
  detener
  exit 1
fi
lpadmin -p "$cola" -v cups-pdf:/ -E -P "$ppd"
lpadmin -d "$cola"

# Where cups-pdf puts the jobs of the user running the client.
out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -1)
out=${out:-/var/spool/cups-pdf/\${USER\}}
usuario=$(id -un)
casa=$(getent passwd "$usuario" | cut -d: -f6)
out=${out//\$\{HOME\}/$casa}
out=${out//\$\{USER\}/$usuario}
echo "CUPS_SERVER=$socket"
echo "PDF_OUT=$out"
