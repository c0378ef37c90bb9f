#!/usr/bin/env bash
# Runs one fuzz target a fixed number of times from its committed seeds:
#   correr.sh BINARIO CARPETA_FUZZ NOMBRE EJECUCIONES CARPETA_HALLAZGOS
# New inputs go to a temporary corpus (the committed seeds are only read);
# a crashing input is kept in CARPETA_HALLAZGOS to be replayed with
# `BINARIO archivo`.
set -euo pipefail
binario=$1 fuzz=$2 nombre=$3 ejecuciones=$4 hallazgos=$5
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
mkdir -p "$hallazgos"
opciones=(-runs="$ejecuciones" -seed=1 -max_len=256 -timeout=10 -print_final_stats=1
  -artifact_prefix="$hallazgos/$nombre-")
[ -f "$fuzz/$nombre.dict" ] && opciones+=(-dict="$fuzz/$nombre.dict")
ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  "$binario" "${opciones[@]}" "$corpus" "$fuzz/semillas/$nombre"
