# Renders icono.svg at each size and packs the sizes into one .ico.
#   cmake -DRSVG=... -DCONVERT=... -DSVG=... -DDESTINO=... -DTAMANOS="16;32;..." -P icono_ico.cmake
set(pngs)
foreach(t IN LISTS TAMANOS)
  set(png ${DESTINO}/icono${t}.png)
  execute_process(COMMAND ${RSVG} -w ${t} -h ${t} ${SVG} -o ${png} COMMAND_ERROR_IS_FATAL ANY)
  list(APPEND pngs ${png})
endforeach()
execute_process(COMMAND ${CONVERT} ${pngs} ${DESTINO}/tarvolo.ico COMMAND_ERROR_IS_FATAL ANY)
