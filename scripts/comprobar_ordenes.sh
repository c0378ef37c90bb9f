#!/usr/bin/env bash
# Every program that the scripts, the tests and the benchmarks run must come
# from a package that scripts/setup.sh installs (or one those depend on), or
# from one that every Debian system has (priority "required"). A machine
# where something was installed by hand hides a missing entry; this finds it
# on any machine where the program is there.
#   comprobar_ordenes.sh    says how many programs it looked at, or lists those
#                           whose package setup.sh does not bring, and fails
set -euo pipefail
cd "$(dirname "$0")/.."
export LC_ALL=C.UTF-8

# The words that may name a program: shell scripts without their comments,
# the programs C++ tests start (through QProcess or their own helper), and
# CMake's find_program.
palabras() {
  git ls-files -- '*.sh' '.ci/run' | while read -r f; do
    sed -E 's/(^|[[:space:]])#.*$//' "$f"
  done | tr -cs 'A-Za-z0-9_.+/-' '\n'
  git ls-files -- 'tests/*.cpp' 'bench/*.cpp' |
    xargs grep -ohE '(start|execute|ejecutar)\((QStringLiteral\()?"[a-z0-9_./+-]+"' |
    sed -E 's/.*"([^"]+)"$/\1/'
  git ls-files -- '*CMakeLists.txt' '*.cmake' | xargs grep -ohE 'find_program\([A-Z_]+ [a-z0-9_.+-]+ REQUIRED' |
    awk '{print $2}'
}

mapfile -t lista < <(sed -n '/^packages=(/,/^)/p' scripts/setup.sh | sed -E 's/#.*//; s/packages=\(//; s/\)//' |
  tr -s ' \t' '\n' | grep .)
# What setup.sh brings in: its packages and all they depend on (every
# alternative counts, as apt may pick any of them).
mapfile -t traidos < <(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
  --no-replaces --no-enhances "${lista[@]}" 2>/dev/null | sed -E 's/^ +\|?[A-Za-z-]+: //; s/[<>]//g' |
  sed -E 's/:any$//' | sort -u)
declare -A permitido
for p in "${traidos[@]}"; do permitido[$p]=1; done
while read -r p prioridad esencial; do
  [ "$prioridad" = required ] || [ "$esencial" = yes ] && permitido[$p]=1
done < <(dpkg-query -W -f='${Package} ${Priority} ${Essential}\n')

# Each program's path, and the path it links to, with /bin for /usr/bin where
# the package names the older one. Looked for where a fresh system keeps
# programs: what a machine has in /usr/local was not installed by a package.
sistema=/usr/sbin:/usr/bin:/sbin:/bin
declare -A ruta
while read -r palabra; do
  [[ $palabra == /* ]] || [[ $palabra =~ ^[A-Za-z][A-Za-z0-9_.+-]*$ ]] || continue
  if [ "$(PATH=$sistema type -t "$palabra" 2>/dev/null)" = file ]; then
    r=$(PATH=$sistema command -v "$palabra")
  elif [[ $palabra =~ ^/(usr/)?s?bin/ && -f $palabra && -x $palabra ]]; then
    r=$palabra
  else
    continue
  fi
  ruta[$palabra]=$r
done < <(palabras | sort -u)
candidatas() {
  local r=$1 real
  real=$(readlink -f "$r")
  printf '%s\n' "$r" "$real" "${r/#\/usr\/bin/\/bin}" "${real/#\/usr\/bin/\/bin}"
}
declare -A duenio
while IFS= read -r linea; do
  [[ $linea == diversion* ]] && continue
  p=${linea%%: *}
  duenio[${linea#*: }]=${p%%,*}
done < <(for r in "${ruta[@]}"; do candidatas "$r"; done | sort -u | xargs dpkg-query -S 2>/dev/null || true)

faltan=()
for palabra in "${!ruta[@]}"; do
  p=
  while read -r c; do [ -n "${duenio[$c]:-}" ] && p=${duenio[$c]} && break; done < <(candidatas "${ruta[$palabra]}")
  if [ -z "$p" ]; then
    faltan+=("$palabra (de ningún paquete)")
  elif [ -z "${permitido[$p]:-}" ] && [ -z "${permitido[${p%:*}]:-}" ]; then
    faltan+=("$palabra ($p)")
  fi
done
vistos=${#ruta[@]}

if [ ${#faltan[@]} -gt 0 ]; then
  echo "comprobar_ordenes: scripts/setup.sh no instala lo que dan estos programas:" >&2
  printf '  %s\n' "${faltan[@]}" >&2
  exit 1
fi
echo "comprobar_ordenes: los $vistos programas que corren los guiones y las pruebas vienen de scripts/setup.sh"
