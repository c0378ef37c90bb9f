#!/usr/bin/env bash
# Builds the Debian package and checks it as a user's system would see it:
# its files, the two desktop entries, the metainfo, lintian, the manual
# pages, and the programs extracted from it (the companion, the tray program
# up to its icon, and one program per session on a virtual desktop).
set -euo pipefail
cd "$(dirname "$0")/.."
fuentes=$PWD
out=$fuentes/build-paquete/pruebas
deb=$(./scripts/package.sh | tail -n1)
rm -rf "$out"
mkdir -p "$out"
echo "test_paquete: $deb"

fallos=0
fallo() { echo "FALLO: $*" >&2; fallos=$((fallos + 1)); }

# --- Its files: exactly the expected ones (directories aside) ---
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {s = $6; for (i = 7; i <= NF; i++) s = s " " $i; print s}' |
  LC_ALL=C sort >"$out/archivos.txt"
LC_ALL=C sort tests/paquete/archivos.txt >"$out/esperados.txt"
diff -u "$out/esperados.txt" "$out/archivos.txt" || fallo "los archivos del paquete no son los esperados"
id=$(sed -n 's|^\./usr/share/applications/\(.*\)\.desktop$|\1|p' "$out/archivos.txt")
[ -n "$id" ] || fallo "el paquete no trae entrada de menú"

# Dependencies read from the programs, not written by hand.
depende=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libstdc++6 libqt6widgets6 libqt6printsupport6; do
  grep -q "\b$lib\b" <<<"$depende" || fallo "Depends no nombra $lib: $depende"
done
# The one-instance channel is a plain socket: nothing of Qt's network module
# (and its Kerberos and proxy libraries) loads at start-up.
! grep -q "\blibqt6network6\b" <<<"$depende" || fallo "Depends nombra libqt6network6: $depende"
[ "$(dpkg-deb -f "$deb" Version)" = "$(sed -n 's/^project(Tarvolo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)" ] ||
  fallo "la versión del paquete no es la del proyecto"

# --- What desktops and software centres read ---
raiz=$out/raiz
dpkg-deb -x "$deb" "$raiz"
entrada=$raiz/usr/share/applications/$id.desktop
inicio=$raiz/etc/xdg/autostart/$id.desktop
# The log-in entry is a link to the menu entry, as installed.
[ "$(readlink "$inicio")" = "/usr/share/applications/$id.desktop" ] || fallo "la entrada de inicio no enlaza la del menú"
desktop-file-validate "$entrada" || fallo "desktop-file-validate: entrada de menú"
desktop-file-validate "$raiz$(readlink "$inicio")" || fallo "desktop-file-validate: entrada de inicio"
grep -qx "Icon=$id" "$entrada" || fallo "la entrada no usa el icono $id"
grep -qx "Exec=tarvolo" "$entrada" || fallo "la entrada no inicia tarvolo"
appstreamcli validate --no-net "$raiz/usr/share/metainfo/$id.metainfo.xml" || fallo "appstreamcli validate"
grep -q "<release version=\"$(dpkg-deb -f "$deb" Version)\"" "$raiz/usr/share/metainfo/$id.metainfo.xml" ||
  fallo "la metainfo no nombra la versión del paquete"
for n in 16 22 24 32 48 64 128 256; do
  tam=$(file -b "$raiz/usr/share/icons/hicolor/${n}x${n}/apps/$id.png" | grep -o '[0-9]* x [0-9]*' || true)
  [ "$tam" = "$n x $n" ] || fallo "el icono de ${n}x${n} mide $tam"
done

# lintian: no errors; its warnings are listed.
if ! lintian --fail-on error --tag-display-limit 0 "$deb" >"$out/lintian.txt" 2>&1; then
  fallo "lintian encontró errores"
fi
cat "$out/lintian.txt"

# The manual pages, as man formats them, without one warning.
for pagina in tarvolo tarvolo-cli; do
  avisos=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$raiz/usr/share/man/man1/$pagina.1.gz" 2>&1 >/dev/null)
  [ -z "$avisos" ] || fallo "man --warnings $pagina: $avisos"
  LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$raiz/usr/share/man/man1/$pagina.1.gz" 2>/dev/null | grep -q "^NOMBRE" ||
    fallo "la página $pagina no se formatea"
done

# --- The extracted programs ---
cli=$raiz/usr/bin/tarvolo-cli
[ "$("$cli" semana 29/12/2002)" = "1 2003 1" ] || fallo "tarvolo-cli semana 29/12/2002"
if version=$("$cli" --version 2>/dev/null); then
  grep -qF "$(dpkg-deb -f "$deb" Version)" <<<"$version" || fallo "tarvolo-cli --version: $version"
fi
# --help and --version need no desktop at all.
ayuda=$(env -u DISPLAY -u WAYLAND_DISPLAY timeout 20 "$raiz/usr/bin/tarvolo" --help) || fallo "tarvolo --help"
grep -q '^Uso: tarvolo' <<<"$ayuda" || fallo "tarvolo --help no muestra el uso: $ayuda"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY timeout 20 "$raiz/usr/bin/tarvolo" --version) || fallo "tarvolo --version"
[ "$version" = "Tarvolo $(dpkg-deb -f "$deb" Version)" ] || fallo "tarvolo --version: $version"

# The extracted tray program up to its icon, then one program per session.
bash tests/paquete/una_instancia.sh "$raiz/usr/bin/tarvolo" "$id" "$out/escritorio" || fallo "una instancia por sesión"

[ "$fallos" -eq 0 ] || { echo "test_paquete: $fallos fallos" >&2; exit 1; }
echo "test_paquete: bien"
