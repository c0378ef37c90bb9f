#!/usr/bin/env bash
# Installs, from Debian's own packages, whatever the build, the program and the
# tests need and is not there yet. Quiet when everything is already installed.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libx11-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-dejavu-core
  xvfb xauth trayer xdotool x11-utils xclip imagemagick faketime
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  # The Windows build of the companion and its tests, run under Wine.
  g++-mingw-w64-x86-64-posix wine wine64
  fonts-wine  # the faces the Windows program's windows are drawn in under Wine
  wixl  # builds the Windows installer
  msitools  # msiinfo, which reads the installer's tables back
  clang libclang-rt-14-dev  # libFuzzer and the sanitizers for the fuzz targets
  qt6-translations-l10n  # Qt's own buttons and dialogs in Spanish
  librsvg2-bin  # renders the icon's sizes from its one drawing
  libxml2-utils w3c-sgml-lib  # xmllint checks the channel's chart against the SVG 1.1 DTD, offline
  dpkg-dev file  # CPack's Debian package and its dependencies read from the programs
  time  # the benchmarks' time and peak memory of a command
  git  # lists the project's own files for the check of this very list
  lintian desktop-file-utils appstream man-db  # the package's checks
  dbus  # the desktop tests' private session bus
  libglib2.0-bin  # gdbus, which asks that bus whether the accessibility bus and the tray host are up
  at-spi2-core  # the accessibility bus the desktop test reads windows through
  python3-pyatspi  # reads it
  python3-xlib  # tells whether a menu holds the keyboard
  python3-dbus  # drives the D-Bus tray item and plays the notification daemon
  python3-gi  # their main loop
  haskell-status-notifier-item-utils  # status-notifier-watcher, for the D-Bus tray test
  haskell-gtk-sni-tray-utils  # gtk-sni-tray-standalone, its tray host
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "setup: faltan paquetes (${missing[*]}); ejecute como root" >&2
  exit 1
fi
echo "setup: instalando ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
