#include "anio_tabla.h"

#include "calendar/error_ejecucion.h"

namespace tarvolo {

AnioTabla estructuraAnio(int numero) {
    const Dias primero = domingoDeSemana1(numero);
    const int semanas = static_cast<int>((domingoDeSemana1(numero + 1) - primero).count() / 7);  // 52..53
    return {numero, std::to_string(numero), primero, semanas};
}

AnioTabla resolverAnioTabla(const Parte& anio, const Fecha& hoy) {
    const int actual = static_cast<int>(hoy.year());
    if (anio.vacia()) return resolverAnioTabla(Parte(actual), hoy);
    const long long numero = anio.leer(actual);
    if (numero < kPrimerAnioTabla || numero > kUltimoAnioTabla) throw ErrorEjecucion::tiposNoCoinciden();
    AnioTabla a = estructuraAnio(static_cast<int>(numero));
    a.texto = anio.texto();
    return a;
}

}  // namespace tarvolo
