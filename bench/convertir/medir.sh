#!/usr/bin/env bash
# Throughput and peak memory of `tarvolo-cli convertir`, file to file, on a
# generated 2-million-row case list (about 150 MB) and on one ten times
# smaller, with `cat` of the same files as the floor; and of `contar` and
# `canal`, which read the same list and write a few thousand rows.
#   bench/convertir/medir.sh BUILD_DIR [FILAS] [VECES]
# The files are generated once into $TMPDIR (default /tmp) and kept there for
# the next run; they are never committed. Figures are medians of VECES runs
# (default 5): wall time, CPU time (user + system: what one core spends,
# whatever else the machine is doing) and peak resident memory.
set -euo pipefail
cd "$(dirname "$0")/../.."
cli=$1/cli/tarvolo-cli
filas=${2:-2000000}
veces=${3:-5}
carpeta=${TMPDIR:-/tmp}/tarvolo-bench-convertir
mkdir -p "$carpeta"

for n in "$filas" $((filas / 10)); do
  [ -s "$carpeta/casos-$n.csv" ] || bench/convertir/generar.py "$n" "$carpeta/casos-$n.csv"
done

mediana() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# medir NOMBRE ARCHIVO ORDEN...: one line of figures.
medir() {
  local nombre=$1 archivo=$2; shift 2
  local mb pared=() cpu=() rss=()
  mb=$(awk -v b="$(stat -c %s "$archivo")" 'BEGIN { printf "%.1f", b / 1e6 }')
  for ((i = 0; i < veces; i++)); do
    /usr/bin/time -f "%e %U %S %M" -o "$carpeta/tiempo" "$@" >/dev/null 2>&1
    read -r e u s m <"$carpeta/tiempo"
    pared+=("$e"); cpu+=("$(awk -v u="$u" -v s="$s" 'BEGIN { print u + s }')"); rss+=("$m")
  done
  local p c r
  p=$(printf '%s\n' "${pared[@]}" | mediana)
  c=$(printf '%s\n' "${cpu[@]}" | mediana)
  r=$(printf '%s\n' "${rss[@]}" | mediana)
  awk -v n="$nombre" -v mb="$mb" -v p="$p" -v c="$c" -v r="$r" 'BEGIN {
    printf "%-22s %8s MB  pared %6.2f s (%6.0f MB/s)  cpu %6.2f s (%6.0f MB/s)  pico %6.1f MB\n",
      n, mb, p, mb / (p > 0 ? p : 0.001), c, mb / (c > 0 ? c : 0.001), r / 1024 }'
}

echo "medianas de $veces ejecuciones; carga: $(cut -d' ' -f1-3 /proc/loadavg)"
for n in "$filas" $((filas / 10)); do
  entrada=$carpeta/casos-$n.csv
  salida=$carpeta/salida-$n.csv
  medir "cat $n filas" "$entrada" sh -c 'cat "$1" >"$2"' sh "$entrada" "$salida"
  medir "convertir $n filas" "$entrada" "$cli" convertir --salida "$salida" "$entrada"
  medir "convertir --fechas" "$entrada" "$cli" convertir --fechas --salida "$salida" "$entrada"
  medir "contar $n filas" "$entrada" "$cli" contar --salida "$salida" "$entrada"
  medir "contar --por nombre" "$entrada" "$cli" contar --por nombre --salida "$salida" "$entrada"
  medir "canal --anio 2025" "$entrada" "$cli" canal --anio 2025 --grafico "$salida.svg" --salida "$salida" "$entrada"
  rm -f "$salida" "$salida.svg"
done
