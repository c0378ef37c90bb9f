#include "convertir.h"

#include <optional>
#include <stdexcept>

#include "calendar/texto_fecha.h"
#include "columnas.h"
#include "conteo.h"
#include "lector_csv.h"
#include "leer_fecha.h"
#include "mensajes.h"
#include "texto_csv.h"

namespace tarvolo {

namespace {

constexpr std::string_view kColumnas[] = {"semana_epi", "anio_epi", "cuatrisemana", "inicio_semana",
                                          "fin_semana"};
constexpr std::size_t kColumnasBasicas = 3;
constexpr std::size_t kLimiteSalida = 240 * 1024;  // bytes gathered before a write

// The output, gathered in one reused buffer and written in large pieces.
class Salida {
public:
    explicit Salida(SumideroBytes& sumidero) : sumidero_(sumidero) {
        texto_.reserve(kLimiteSalida + 64 * 1024);
    }
    std::string& texto() noexcept { return texto_; }
    void quizasEscribir() {
        if (texto_.size() >= kLimiteSalida) escribir();
    }
    void escribir() {
        sumidero_.escribir(texto_.data(), texto_.size());
        texto_.clear();
    }
    // Everything so far to the other end, as the input is about to wait.
    static void pasar(void* salida) {
        auto* s = static_cast<Salida*>(salida);
        s->escribir();
        s->sumidero_.vaciar();
    }

private:
    SumideroBytes& sumidero_;
    std::string texto_;
};

void agregarVacios(std::string& s, char separador, std::size_t cuantos) {
    s.append(cuantos, separador);
}

void agregarRespuesta(std::string& s, char separador, const SemanaDeFecha& r, bool fechas) {
    s += separador;
    agregarEntero(s, r.semana);
    s += separador;
    agregarEntero(s, r.anio);
    s += separador;
    agregarEntero(s, r.cuatrisemana);
    if (fechas) {
        const Dias dia{r.fecha};
        const Dias domingo = dia - std::chrono::days{diaDeLaSemana(dia)};
        s += separador;
        agregarFecha(s, domingo);
        s += separador;
        agregarFecha(s, domingo + std::chrono::days{6});
    }
}

int convertirRegistros(LectorCsv& lector, Salida& salida, std::ostream& errores,
                       const OpcionesConvertir& opciones, const Fecha& hoy) {
    if (!lector.siguiente()) {
        errores << kPrefijoError << "la entrada está vacía: falta la línea de encabezado\n";
        return 2;
    }
    const char sep = lector.separador();
    const std::size_t agregadas = opciones.fechas ? std::size(kColumnas) : kColumnasBasicas;
    const RegistroCsv& encabezado = lector.registro();
    const auto nombres = nombresDe(encabezado);
    const auto columna = buscarColumna(nombres, opciones.columna);
    if (!columna) {
        errores << kPrefijoError << textoSinColumna(opciones.columna, nombres) << '\n';
        return 2;
    }
    std::string& s = salida.texto();
    s.append(encabezado.bytes);
    for (std::size_t i = 0; i < agregadas; ++i) {
        s += sep;
        s.append(kColumnas[i]);
    }
    s.append(encabezado.finDeLinea);
    lector.alEsperar(&Salida::pasar, &salida);
    std::string espacio;
    Registros cuenta;
    while (lector.siguiente()) {
        const RegistroCsv& r = lector.registro();
        s.append(r.bytes);
        if (r.bytes.empty()) {  // a blank line stays blank
            s.append(r.finDeLinea);
            continue;
        }
        ++cuenta.filas;
        const std::string_view celda =
            *columna < r.campos.size() ? valorCampo(r.campos[*columna], espacio) : std::string_view();
        if (sinBlancos(celda).empty()) {
            ++cuenta.sinFecha;
            agregarVacios(s, sep, agregadas);
        } else if (const auto respuesta = leerCeldaFecha(celda, hoy)) {
            agregarRespuesta(s, sep, *respuesta, opciones.fechas);
        } else {
            ++cuenta.invalidas;
            agregarVacios(s, sep, agregadas);
            errores << kPrefijoError << textoFechaNoValida(r.linea, celda) << '\n';
        }
        s.append(r.finDeLinea);
        salida.quizasEscribir();
    }
    Salida::pasar(&salida);
    errores << kPrefijoError << textoRegistros(cuenta) << '\n';
    return cuenta.invalidas == 0 ? 0 : 1;
}

}  // namespace

int convertirCsv(FuenteBytes& entrada, SumideroBytes& sumidero, std::ostream& errores,
                 const OpcionesConvertir& opciones, const Fecha& hoy) {
    Salida salida(sumidero);
    try {
        LectorCsv lector(entrada, opciones.separador);
        try {
            return convertirRegistros(lector, salida, errores, opciones, hoy);
        } catch (const ComillasSinCerrar& e) {
            salida.escribir();  // the records before it are whole
            errores << kPrefijoError << "línea " << e.linea()
                    << ": campo entre comillas sin cerrar al final de la entrada\n";
            return 2;
        }
    } catch (const std::runtime_error& e) {
        errores << kPrefijoError << e.what() << '\n';
        return 2;
    }
}

}  // namespace tarvolo
