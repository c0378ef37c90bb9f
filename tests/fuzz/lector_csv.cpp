// The CSV reader of `convertir`, fed bytes cut into reads of every size: it
// must give back every byte it read, record by record, fields joined by the
// separator, each record on the line where it starts; the conversion of the
// same bytes must keep one output record per input record; and `contar` and
// `canal` must read them without losing a case.
#include "cli/lector_csv.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/canal.h"
#include "cli/conteo.h"
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

// The same bytes counted, and as the channel's input: an answer or a
// Spanish error, never a crash; every case with a date in one week, and
// the limits in order.
void contarYCanal(std::string_view entrada, char separador, std::size_t trozo) {
    FuenteMemoria paraContar(entrada, trozo);
    tarvolo::OpcionesConteo opciones;
    opciones.separador = separador;
    try {
        const auto conteo = tarvolo::contarCasos(paraContar, opciones);
        std::int64_t suma = 0;
        for (const auto& serie : conteo.casos)
            for (std::int64_t n : serie) suma += n;
        const auto& r = conteo.registros;
        fuzz::comprobar(suma == r.filas - r.sinFecha - r.invalidas - r.fueraDeRango,
                        "casos perdidos al contar");
    } catch (const std::runtime_error&) {
    }
    FuenteMemoria paraCanal(entrada, trozo);
    tarvolo::OpcionesCanal canal;
    canal.separador = separador;
    canal.anio = 2005;
    canal.historia = 3;
    try {
        const auto c = tarvolo::calcularCanal(
            paraCanal, canal,
            tarvolo::Fecha{std::chrono::year{2005}, std::chrono::June, std::chrono::day{1}});
        fuzz::comprobar(c.filas.size() == 52, "2005 sin sus 52 semanas");
        for (const auto& f : c.filas)
            fuzz::comprobar(0 <= f.limites.inferior && f.limites.inferior <= f.limites.central &&
                                f.limites.central <= f.limites.superior,
                            "límites fuera de orden");
    } catch (const std::runtime_error&) {
    }
}

}  // namespace

// First byte: the separator (given or found), the size of each read, dates
// added or not, counted or not.
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
    // Half the inputs: each reading allocates its own large buffer.
    if ((datos[0] & 0x40) != 0) contarYCanal(entrada, separador, trozo);
    return 0;
}
