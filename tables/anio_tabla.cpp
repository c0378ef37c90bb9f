#include "anio_tabla.h"

#include "calendar/error_ejecucion.h"

namespace tarvolo {

AnioTabla resolverAnioTabla(const Parte& anio, const Fecha& hoy) {
    const int actual = static_cast<int>(hoy.year());
    if (anio.vacia()) return resolverAnioTabla(Parte(actual), hoy);
    const long long numero = anio.leer(actual);
    if (numero < 101 || numero > 9998) throw ErrorEjecucion::tiposNoCoinciden();
    const int n = static_cast<int>(numero);
    const Dias primero = domingoDeSemana1(n);
    const int semanas = static_cast<int>((domingoDeSemana1(n + 1) - primero).count() / 7);  // 52..53
    return {n, anio.texto(), primero, semanas};
}

}  // namespace tarvolo
