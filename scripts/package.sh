#!/usr/bin/env bash
# Installs what is missing, builds the program for /usr and makes its Debian
# package with CPack into dist/. The last line printed is the package's path:
#   apt-get install ./dist/tarvolo_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh

dir=build-paquete
# Debian's own compiler and linker flags (hardening), as its packages use.
./scripts/build.sh "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DTARVOLO_GUI=ON -DTARVOLO_TESTS=OFF -DTARVOLO_BENCH=OFF -DTARVOLO_WERROR=ON

rm -rf "$dir/cpack"
if ! (cd "$dir" && cpack -G DEB -B "$PWD/cpack") >"$dir/cpack.log" 2>&1; then
  cat "$dir/cpack.log" >&2
  echo "package: CPack no pudo hacer el paquete" >&2
  exit 1
fi
paquetes=("$dir"/cpack/*.deb)
[ ${#paquetes[@]} -eq 1 ] && [ -f "${paquetes[0]}" ] || { echo "package: CPack no dejó un solo .deb" >&2; exit 1; }
mkdir -p dist
cp "${paquetes[0]}" dist/
echo "$PWD/dist/$(basename "${paquetes[0]}")"
