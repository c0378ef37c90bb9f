#!/usr/bin/env bash
# The installed programs need nothing beside them: every DLL they import is
# one that comes with Windows.
#   importaciones.sh OBJDUMP EXE...
set -euo pipefail
objdump=$1; shift
sistema=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll shell32.dll user32.dll winspool.drv "
estado=0
for exe in "$@"; do
  dlls=$("$objdump" -p "$exe" | awk '/DLL Name:/ {print tolower($3)}')
  [ -n "$dlls" ] || { echo "importaciones: $exe no importa nada; ¿se leyó bien?" >&2; estado=1; }
  for dll in $dlls; do
    case "$sistema" in
      *" $dll "*) ;;
      *) echo "importaciones: $(basename "$exe") importa $dll, que Windows no trae" >&2; estado=1 ;;
    esac
  done
done
[ "$estado" -eq 0 ] && echo "importaciones: solo DLL del sistema"
exit "$estado"
