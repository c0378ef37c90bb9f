#include "ordenes_canal.h"

#include <stdexcept>

#include "archivos.h"
#include "argumentos.h"
#include "columnas.h"
#include "grafico_canal.h"
#include "mensajes.h"
#include "tables/anio_tabla.h"

namespace tarvolo {

namespace {

// An option whose value is an epidemiological year the tables have.
Opcion opcionAnio(std::string_view nombre, std::optional<int>& destino) {
    return {nombre, true, [nombre, &destino](const std::string& valor) -> std::string {
                destino = leerEntero(valor, kPrimerAnioTabla, kUltimoAnioTabla);
                if (destino) return {};
                return "año no válido en " + std::string(nombre) + ": «" + valor + "» (de " +
                       std::to_string(kPrimerAnioTabla) + " a " + std::to_string(kUltimoAnioTabla) + ")";
            }};
}

// An option whose value names a file to write or read.
Opcion opcionArchivo(std::string_view nombre, std::optional<std::string>& destino) {
    return {nombre, true, [nombre, &destino](const std::string& valor) -> std::string {
                if (valor.empty() || valor == "-") return std::string(nombre) + " necesita un archivo";
                destino = valor;
                return {};
            }};
}

// What a command answers: its texts and where they go, and the summary of
// the case list it read, if it read one.
struct Respuesta {
    std::vector<TextoDestino> textos;
    std::optional<Registros> registros;
    bool conRango = false;
};

// What the counting commands share around their own work: the input opened, no
// output over it, bad dates reported as they are read, every text written
// whole, then the summary; any error: its line, status 2, nothing written.
template <typename Calcular>
int responder(const std::optional<std::string>& archivo,
              const std::vector<std::optional<std::string>>& destinos, std::istream& entrada,
              std::ostream& salida, std::ostream& errores, Calcular calcular) {
    try {
        Entrada origen(archivo, entrada);
        for (const auto& d : destinos)
            if (d && *d != "-")
                if (const auto porQue = salidaSobreEntrada(origen, *d); !porQue.empty())
                    throw std::runtime_error(porQue);
        Seguimiento seguimiento;
        seguimiento.fechaNoValida = [&errores](long linea, std::string_view celda) {
            errores << kPrefijoError << textoFechaNoValida(linea, celda) << '\n';
        };
        const Respuesta r = calcular(origen.fuente(), seguimiento);
        escribirTextos(r.textos, salida);
        if (!r.registros) return 0;
        errores << kPrefijoError << textoRegistros(*r.registros, r.conRango) << '\n';
        return r.registros->invalidas == 0 ? 0 : 1;
    } catch (const std::runtime_error& e) {
        errores << kPrefijoError << e.what() << '\n';
        return 2;
    }
}

}  // namespace

std::string leerPedidoContar(const std::vector<std::string>& argumentos, PedidoContar& pedido) {
    OpcionesConteo& o = pedido.opciones;
    std::vector<Opcion> opciones = {
        {"--por", true,
         [&o](const std::string& valor) -> std::string {
             if (valor.find_first_not_of(" \t") == std::string::npos)
                 return "--por necesita un nombre o un número";
             o.por = valor;
             return {};
         }},
        {"--cuatrisemanas", false,
         [&pedido](const std::string&) {
             pedido.cuatrisemanas = true;
             return std::string();
         }},
        opcionAnio("--desde", o.desde),
        opcionAnio("--hasta", o.hasta),
    };
    agregarOpcionesDeLista(opciones, o.columna, o.separador, pedido.salida);
    std::string porQue = leerArgumentos(argumentos, opciones, pedido.archivo);
    if (porQue.empty() && o.desde && o.hasta && *o.desde > *o.hasta)
        porQue =
            "--desde " + std::to_string(*o.desde) + " es posterior a --hasta " + std::to_string(*o.hasta);
    return porQue;
}

std::string leerPedidoCanal(const std::vector<std::string>& argumentos, PedidoCanal& pedido) {
    OpcionesCanal& o = pedido.opciones;
    std::vector<Opcion> opciones = {
        opcionAnio("--anio", o.anio),
        {"--historia", true,
         [&o](const std::string& valor) -> std::string {
             const auto n = leerEntero(valor, kHistoriaMinima, kHistoriaMaxima);
             if (!n)
                 return "--historia va de " + std::to_string(kHistoriaMinima) + " a " +
                        std::to_string(kHistoriaMaxima) + " años: «" + valor + "»";
             o.historia = *n;
             return {};
         }},
        {"--excluir", true,
         [&o](const std::string& valor) -> std::string {
             std::size_t inicio = 0;
             for (;;) {
                 const std::size_t coma = valor.find(',', inicio);
                 const std::string anio = valor.substr(inicio, coma - inicio);
                 const auto n = leerEntero(anio, kPrimerAnioTabla, kUltimoAnioTabla);
                 if (!n) return "año no válido en --excluir: «" + anio + "»";
                 o.excluir.push_back(*n);
                 if (coma == std::string::npos) return {};
                 inicio = coma + 1;
             }
         }},
        {"--metodo", true,
         [&o](const std::string& valor) -> std::string {
             for (Metodo m : {Metodo::kCuartiles, Metodo::kBortman}) {
                 if (valor == nombreMetodo(m)) {
                     o.metodo = m;
                     return {};
                 }
             }
             return "método desconocido: «" + valor + "» (cuartiles o bortman)";
         }},
        opcionArchivo("--poblacion", pedido.poblacion),
        opcionArchivo("--grafico", pedido.grafico),
    };
    agregarOpcionesDeLista(opciones, o.columna, o.separador, pedido.salida);
    std::string porQue = leerArgumentos(argumentos, opciones, pedido.archivo);
    if (porQue.empty() && pedido.salida && pedido.grafico && *pedido.salida == *pedido.grafico)
        porQue = "--salida y --grafico no pueden ser el mismo archivo";
    return porQue;
}

int ordenContar(const std::vector<std::string>& argumentos, std::istream& entrada, std::ostream& salida,
                std::ostream& errores) {
    PedidoContar pedido;
    if (const auto porQue = leerPedidoContar(argumentos, pedido); !porQue.empty())
        return errorDeUso(errores, porQue, kUsoContar);
    return responder(pedido.archivo, {pedido.salida}, entrada, salida, errores,
                     [&](FuenteBytes& fuente, const Seguimiento& seguimiento) {
                         const ConteoSemanal conteo = contarCasos(fuente, pedido.opciones, seguimiento);
                         return Respuesta{{{pedido.salida, textoConteo(conteo, pedido.cuatrisemanas)}},
                                          conteo.registros,
                                          pedido.opciones.desde || pedido.opciones.hasta};
                     });
}

int ordenCanal(const std::vector<std::string>& argumentos, const Fecha& hoy, std::istream& entrada,
               std::ostream& salida, std::ostream& errores) {
    PedidoCanal pedido;
    if (const auto porQue = leerPedidoCanal(argumentos, pedido); !porQue.empty())
        return errorDeUso(errores, porQue, kUsoCanal);
    return responder(pedido.archivo, {pedido.salida, pedido.grafico}, entrada, salida, errores,
                     [&](FuenteBytes& fuente, const Seguimiento& seguimiento) {
                         if (pedido.poblacion) {
                             Entrada poblacion(pedido.poblacion, entrada);
                             try {
                                 pedido.opciones.poblacion = leerPoblacion(poblacion.fuente());
                             } catch (const std::runtime_error& e) {
                                 throw std::runtime_error("«" + *pedido.poblacion + "»: " + e.what());
                             }
                         }
                         const Canal canal = calcularCanal(fuente, pedido.opciones, hoy, seguimiento);
                         Respuesta r{{{pedido.salida, textoCanal(canal)}}, std::nullopt, false};
                         if (pedido.grafico) r.textos.push_back({pedido.grafico, svgCanal(canal)});
                         if (canal.desdeCasos) r.registros = canal.registros;
                         return r;
                     });
}

}  // namespace tarvolo
