#!/usr/bin/env bash
# The fuzz targets, built and run at length:
#   fuzz.sh construir                  only builds build-fuzz (clang, libFuzzer,
#                                      AddressSanitizer, UndefinedBehaviorSanitizer)
#   fuzz.sh [EJECUCIONES [OBJETIVO...]] builds, then runs the targets (all by
#                                      default) side by side, each for EJECUCIONES
#                                      (default 4000000); with SEGUNDOS=N in the
#                                      environment, each stops after N seconds at most
# Every target grows its own corpus in build-fuzz/corpus/OBJETIVO (the
# committed seeds in tests/fuzz/semillas/ are only read), logs to
# build-fuzz/fuzz-OBJETIVO.log and keeps a crashing input in
# build-fuzz/tests/fuzz/hallazgos/. Ends with a line per target and the
# total; fails if any target found something.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build-fuzz
./scripts/build.sh "$dir" -DCMAKE_CXX_COMPILER=clang++ -DTARVOLO_FUZZ=ON -DTARVOLO_GUI=OFF \
  -DTARVOLO_TESTS=OFF -DTARVOLO_BENCH=OFF -DTARVOLO_WERROR=ON
[ "${1:-}" = construir ] && exit 0

ejecuciones=${1:-4000000}
shift || true
objetivos=("$@")
[ ${#objetivos[@]} -gt 0 ] || mapfile -t objetivos < <(ls tests/fuzz/semillas)

correr() {
  local nombre=$1
  local corpus=$dir/corpus/$nombre hallazgos=$dir/tests/fuzz/hallazgos
  mkdir -p "$corpus" "$hallazgos"
  local opciones=(-runs="$ejecuciones" -max_len=256 -timeout=10 -print_final_stats=1
    -artifact_prefix="$hallazgos/$nombre-")
  [ -n "${SEGUNDOS:-}" ] && opciones+=(-max_total_time="$SEGUNDOS")
  [ -f "tests/fuzz/$nombre.dict" ] && opciones+=(-dict="tests/fuzz/$nombre.dict")
  ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$dir/tests/fuzz/fuzz_$nombre" "${opciones[@]}" "$corpus" "tests/fuzz/semillas/$nombre" \
    >"$dir/fuzz-$nombre.log" 2>&1
}

declare -A estado pid
for o in "${objetivos[@]}"; do correr "$o" & pid[$o]=$!; done
for o in "${objetivos[@]}"; do
  if wait "${pid[$o]}"; then estado[$o]=bien; else estado[$o]=HALLAZGO; fi
done

total=0 fallos=0
for o in "${objetivos[@]}"; do
  log=$dir/fuzz-$o.log
  hechas=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  por_segundo=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  semilla=$(sed -n 's/.*Seed: \([0-9]*\).*/\1/p' "$log" | head -1)
  printf '%-12s %-9s %10s ejecuciones  %6s/s  semilla %s  corpus %s\n' "$o" "${estado[$o]}" \
    "${hechas:-?}" "${por_segundo:-?}" "${semilla:-?}" "$(ls "$dir/corpus/$o" | wc -l)"
  total=$((total + ${hechas:-0}))
  [ "${estado[$o]}" = bien ] || fallos=$((fallos + 1))
done
echo "total: $total ejecuciones, $fallos objetivos con hallazgos"
[ "$fallos" -eq 0 ]
