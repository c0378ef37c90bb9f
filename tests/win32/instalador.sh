#!/usr/bin/env bash
# The installer under Wine, as a user without administrator rights runs it:
# a quiet install puts the program, the companion, the Start-menu entry and
# the start at log-on in place; a quiet removal leaves the user's files and
# registry as they were before.
#   instalador.sh MSI OUTDIR
set -euo pipefail
msi=$(readlink -f "$1")
out=$2
rm -rf "$out"
mkdir -p "$out"
export WINEPREFIX="$out/prefijo" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=$(command -v /usr/lib/wine/wine64 || command -v wine64 || command -v wine)
wineserver=$(command -v /usr/lib/wine/wineserver || command -v wineserver)
trap '"$wineserver" -k 2>/dev/null || true' EXIT
fail() { echo "FALLO: $*" >&2; exit 1; }

timeout 120 "$wine" wineboot --init >"$out/wineboot.log" 2>&1 || fail "Wine no preparó su prefijo"
# The registry reaches its files when the server ends.
guardar() { timeout 60 "$wineserver" -w; }
# What a user has: the files under the drive (but the installer's own cache
# of Windows), every value of the user's registry with its key, and anything
# of Tarvolo in the machine's. Empty keys are left out: Windows Installer
# keeps its own, and Wine drops an empty Run key when a value in it goes.
# (Wine's link to the desktop's menu is off: it would write outside the
# prefix, into this machine's menus.)
estado() {
  (cd "$WINEPREFIX/drive_c" && find . ! -path './windows/Installer*' | sort)
  awk '/^\[/ {clave = $0; sub(/\] [0-9]+$/, "]", clave); next} /^[@"]/ {print clave "\t" $0}' \
    "$WINEPREFIX/user.reg" | sort
  grep -i tarvolo "$WINEPREFIX/system.reg" || true
}
guardar
estado >"$out/antes.txt"

timeout 120 "$wine" msiexec /i "$msi" /qn || fail "msiexec /i terminó con estado $?"
usuario=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 ! -name Public | head -n1)
programas="$usuario/AppData/Local/Programs/Tarvolo"
for f in tarvolo.exe tarvolo-cli.exe; do
  [ -f "$programas/$f" ] || fail "no se instaló $f en AppData/Local/Programs/Tarvolo"
done
[ -f "$usuario/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tarvolo.lnk" ] ||
  fail "no hay entrada en el menú Inicio"
"$wine" reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v Tarvolo 2>/dev/null | tr -d '\r' |
  grep -q 'Programs\\Tarvolo\\tarvolo.exe"$' || fail "no arranca al iniciar la sesión"
# The companion installed beside it runs.
[ "$("$wine" "$programas/tarvolo-cli.exe" semanas 2020 | tr -d '\r')" = 53 ] || fail "tarvolo-cli.exe no responde"

timeout 120 "$wine" msiexec /x "$msi" /qn || fail "msiexec /x terminó con estado $?"
guardar
estado >"$out/despues.txt"
diff "$out/antes.txt" "$out/despues.txt" >"$out/restos.diff" || fail "quedaron restos (ver $out/restos.diff)"
echo "instalador: se instaló y se quitó sin dejar nada"
