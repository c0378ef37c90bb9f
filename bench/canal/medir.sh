#!/usr/bin/env bash
# The endemic channel's window on a generated case list of FILAS rows
# (default 2,000,000, about 150 MB): the median over VECES runs (default 5)
# of the time from pressing Mostrar to the verdict shown with its chart, the
# real window drawn offscreen, for today's year.
#   bench/canal/medir.sh BUILD_DIR [FILAS] [VECES]
# The list is generated once into $TMPDIR (default /tmp), in the folder
# bench/convertir/medir.sh keeps its lists in, and reused.
set -euo pipefail
cd "$(dirname "$0")/../.."
programa=$1/bench/canal/canal_mostrar
filas=${2:-2000000}
veces=${3:-5}
carpeta=${TMPDIR:-/tmp}/tarvolo-bench-convertir
mkdir -p "$carpeta"
lista=$carpeta/casos-$filas.csv
[ -s "$lista" ] || bench/convertir/generar.py "$filas" "$lista"

tiempos=()
for ((i = 0; i < veces; i++)); do
  read -r ms veredicto < <(QT_QPA_PLATFORM=offscreen "$programa" "$lista")
  tiempos+=("$ms")
done
mediana=$(printf '%s\n' "${tiempos[@]}" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
echo "canal endémico, $filas filas ($(awk -v b="$(stat -c %s "$lista")" 'BEGIN { printf "%.1f", b / 1e6 }') MB):" \
  "Mostrar → veredicto, mediana ${mediana} ms de $veces (${tiempos[*]} ms)"
echo "veredicto: $veredicto"
