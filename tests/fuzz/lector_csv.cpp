// The CSV reader of `convertir`, fed bytes cut into reads of every size: it
// must give back every byte it read, record by record, fields joined by the
// separator, each record on the line where it starts; and the conversion of
// the same bytes must keep one output record per input record.
#include "cli/lector_csv.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/convertir.h"
#include "invariantes.h"

namespace {

using tarvolo::FuenteMemoria;
using tarvolo::LectorCsv;

class SumideroMemoria final : public tarvolo::SumideroBytes {
public:
    void escribir(const char* datos, std::size_t n) override { bytes.append(datos, n); }
    std::string bytes;
};

long saltos(std::string_view s) {
    long n = 0;
    for (char c : s) n += c == '\n';
    return n;
}

// Reads `datos` whole; returns how many records there were, or -1 when the
// input ends inside quotes.
long leerTodo(std::string_view datos, char separador, std::size_t trozo, std::size_t bloque) {
    FuenteMemoria fuente(datos, trozo);
    LectorCsv lector(fuente, separador, bloque);
    std::string leido;
    long registros = 0;
    try {
        while (lector.siguiente()) {
            const auto& r = lector.registro();
            fuzz::comprobar(r.linea == 1 + saltos(leido), "línea de comienzo mal contada", r.bytes);
            fuzz::comprobar(r.finDeLinea == "\n" || r.finDeLinea == "\r\n" || r.finDeLinea.empty(),
                            "fin de línea inventado", r.finDeLinea);
            std::string unidos;
            for (std::size_t i = 0; i < r.campos.size(); ++i) {
                if (i > 0) unidos += lector.separador();
                unidos += r.campos[i];
            }
            // A byte-order mark belongs to the first record, not to its first field.
            const std::size_t bom = registros == 0 && lector.tieneBom() ? 3 : 0;
            fuzz::comprobar(unidos == r.bytes.substr(bom), "campos que no rehacen el registro", r.bytes);
            leido += r.bytes;
            leido += r.finDeLinea;
            ++registros;
        }
    } catch (const tarvolo::ComillasSinCerrar& e) {
        fuzz::comprobar(datos.substr(0, leido.size()) == leido, "registros que no son la entrada", leido);
        fuzz::comprobar(e.linea() >= 1 + saltos(leido), "comillas abiertas antes de lo leído");
        return -1;
    }
    fuzz::comprobar(leido == datos, "bytes perdidos o cambiados", leido);
    return registros;
}

}  // namespace

// First byte: the separator (given or found) and the size of each read.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamanio) {
    if (tamanio == 0) return 0;
    constexpr char kSeparadores[] = {0, ',', ';', '\t'};
    const char separador = kSeparadores[datos[0] & 3];
    const std::size_t trozo = (datos[0] >> 2) & 7;  // 0: all at once
    const std::string_view entrada(reinterpret_cast<const char*>(datos) + 1, tamanio - 1);

    const long registros = leerTodo(entrada, separador, trozo, 16);
    fuzz::comprobar(leerTodo(entrada, separador, 0, 64) == registros,
                    "el tamaño del bloque cambia los registros");

    FuenteMemoria fuente(entrada, trozo);
    SumideroMemoria salida;
    std::ostringstream errores;
    tarvolo::OpcionesConvertir opciones;
    opciones.separador = separador;
    opciones.fechas = (datos[0] & 0x20) != 0;
    const int estado = tarvolo::convertirCsv(fuente, salida, errores, opciones, tarvolo::Fecha{});
    fuzz::comprobar(estado >= 0 && estado <= 2, "estado fuera de 0..2");
    if (estado != 2) {
        FuenteMemoria otra(salida.bytes);
        long convertidos = 0;
        LectorCsv lector(otra, separador, 16);
        while (lector.siguiente()) ++convertidos;
        fuzz::comprobar(convertidos == registros, "registros perdidos o añadidos", salida.bytes);
    }
    return 0;
}
