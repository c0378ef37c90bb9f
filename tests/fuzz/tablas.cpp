// The year text of the six builders.
//
// Input: "hoy|año" (see fuzz::parte for the year field's form; missing is
// omitted).

#include <cstddef>
#include <cstdint>
#include <string>

#include "tests/fuzz/constructores.h"
#include "tests/tables/escaneo.h"

using namespace tarvolo;

namespace {

// The day-by-day reference builder for the same kind.
escaneo::Constructor referencia(const fuzz::Forma& f) {
    switch (f.clase) {
        case fuzz::Clase::Semanas:
            return f.listado ? escaneo::Constructor::ListadoSemanas : escaneo::Constructor::TablaSemanas;
        case fuzz::Clase::Ambas:
            return f.listado ? escaneo::Constructor::ListadoAmbas : escaneo::Constructor::TablaAmbas;
        case fuzz::Clase::Cuatrisemanas:
            break;
    }
    return f.listado ? escaneo::Constructor::ListadoCuatrisemanas : escaneo::Constructor::TablaCuatrisemanas;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamanio) {
    const std::string_view entrada(reinterpret_cast<const char*>(datos), tamanio);
    const auto cs = fuzz::campos(entrada, '|');
    const Fecha hoy = fuzz::hoy(cs[0]);
    const Parte anio = cs.size() > 1 ? fuzz::parte(cs[1]) : Parte{};

    // The year every builder should take, if any: blank is today's.
    const int actual = static_cast<int>(hoy.year());
    const bool vacio = anio.omitida() || anio.texto().find_first_not_of(" \t") == std::string::npos;
    long long numero = actual;
    bool esNumero = true;
    if (!vacio) {
        try {
            numero = anio.leer(actual);
        } catch (const ErrorEjecucion&) {
            esNumero = false;
        }
    }
    const bool valido = esNumero && numero >= 101 && numero <= 9998;
    const std::string titulo = vacio ? std::to_string(actual) : anio.texto();

    // The day-by-day reference is slow: one builder per input is held to it,
    // chosen by the input so that every builder gets its share.
    const fuzz::Forma& comparada = fuzz::kConstructores[tamanio % fuzz::kConstructores.size()];
    for (const auto& forma : fuzz::kConstructores) {
        std::string texto;
        try {
            texto = forma.construir(anio, hoy);
        } catch (const ErrorEjecucion& e) {
            fuzz::comprobar(e.numero() == ErrorEjecucion::kTiposNoCoinciden,
                            "constructor con un error que no es 13", e.what());
            fuzz::comprobar(!valido, "constructor que rechaza un año válido", titulo);
            continue;
        }
        fuzz::comprobar(valido, "constructor que acepta un año no válido", titulo);
        const int n = static_cast<int>(numero);
        fuzz::comprobarTabla(texto, forma.clase, forma.lineasDeEncabezado, n);
        if (&forma == &comparada) {
            fuzz::comprobar(texto == escaneo::construir(referencia(forma), n, titulo, hoy),
                            "constructor distinto del recorrido día a día", texto);
        }
    }
    return 0;
}
