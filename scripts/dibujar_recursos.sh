#!/usr/bin/env bash
# Renders the program's icon and draws the windows' decorative pictures into
# resources/. Run it again after changing a drawing and commit the PNGs.
set -euo pipefail
cd "$(dirname "$0")/../resources"
# Debian's ImageMagick 6, which works in 16 bits a channel: the pictures are
# written with 8, all a screen shows, and load three times faster at start-up.
im=$(command -v convert-im6.q16 || command -v convert)
ocho=(-depth 8 -strip)

fuente=DejaVu-Sans
fuente_negrita=DejaVu-Sans-Bold
azul='#2f5fa8'
azul_claro='#dbe7f7'
rojo='#c0392b'

# The icon is drawn once, in icono.svg; every size of it is rendered from
# that drawing with librsvg, the compiled-in ones here and the installed ones
# by the build (resources/CMakeLists.txt).
icono() {  # size, output
  rsvg-convert -w "$1" -h "$1" icono.svg -o "$2"
}
icono 32 icono32.png
icono 16 icono16.png

# A light banner: pale blue fading to white, with a few thin bands.
"$im" -size 324x110 gradient:"$azul_claro"-white \
  -fill none -stroke '#c5d6ee' -strokewidth 1 \
  -draw "line 0,20 324,8" -draw "line 0,40 324,28" -draw "line 0,60 324,48" \
  "${ocho[@]}" banner.png

# The maker's emblem: a shield with a cross, and the same with its name.
emblema() {  # width, height, output
  "$im" -size "$1x$2" xc:none \
    -fill "$azul" -stroke '#1d3d70' -strokewidth 2 \
    -draw "path 'M 4,4 L $(( $1 - 4 )),4 L $(( $1 - 4 )),$(( $2 * 55 / 100 )) Q $(( $1 / 2 )),$(( $2 - 2 )) 4,$(( $2 * 55 / 100 )) Z'" \
    -stroke none -fill white \
    -draw "rectangle $(( $1 / 2 - $1 / 10 )),$(( $2 / 6 )) $(( $1 / 2 + $1 / 10 )),$(( $2 * 2 / 3 ))" \
    -draw "rectangle $(( $1 / 5 )),$(( $2 / 3 - $2 / 4 )) $(( $1 * 4 / 5 )),$(( $2 / 3 - $2 / 4 + $1 / 5 ))" \
    "${ocho[@]}" "$3"
}
emblema 45 63 emblema.png
emblema 52 64 emblema_grande.tmp.png
"$im" -size 169x65 xc:white emblema_grande.tmp.png -geometry +2+0 -composite \
  -font "$fuente_negrita" -pointsize 15 -fill "$azul" -annotate +60+28 'Ordalen' \
  -font "$fuente" -pointsize 11 -fill '#505050' -annotate +60+46 'Brevanto' \
  "${ocho[@]}" emblema_nombre.png
rm -f emblema_grande.tmp.png

# The logo: the icon's page beside the program's name.
icono 64 logo_pagina.tmp.png
"$im" -size 250x73 xc:white logo_pagina.tmp.png -geometry +4+4 -composite \
  -font "$fuente_negrita" -pointsize 30 -fill "$azul" -annotate +76+46 'Tarvolo' \
  -stroke "$rojo" -strokewidth 2 -draw "line 78,56 238,56" \
  "${ocho[@]}" logo.png
rm -f logo_pagina.tmp.png

# A small printer for the print button.
"$im" -size 24x24 xc:none \
  -fill white -stroke '#404040' -strokewidth 1 -draw "rectangle 6,2 17,9" \
  -fill '#b0b0b0' -draw "roundrectangle 2,8 21,17 2,2" \
  -fill white -draw "rectangle 6,14 17,21" \
  -stroke '#808080' -draw "line 8,17 15,17" -draw "line 8,19 13,19" \
  -stroke none -fill '#2e9e3e' -draw "rectangle 17,10 18,11" \
  "${ocho[@]}" impresora.png
