#include <stdexcept>

#include "archivos.h"
#include "argumentos.h"
#include "convertir.h"
#include "mensajes.h"

namespace tarvolo {

int ordenConvertir(const std::vector<std::string>& argumentos, const Fecha& hoy, std::istream& entrada,
                   std::ostream& salida, std::ostream& errores) {
    OpcionesConvertir opciones;
    std::optional<std::string> archivo, rutaSalida;
    std::vector<Opcion> lista = {{"--fechas", false, [&](const std::string&) {
                                      opciones.fechas = true;
                                      return std::string();
                                  }}};
    agregarOpcionesDeLista(lista, opciones.columna, opciones.separador, rutaSalida);
    if (const auto porQue = leerArgumentos(argumentos, lista, archivo); !porQue.empty())
        return errorDeUso(errores, porQue, kUsoConvertir);

    try {
        Entrada origen(archivo, entrada);
        if (!rutaSalida || *rutaSalida == "-") {
            SumideroFlujo sumidero(salida);
            return convertirCsv(origen.fuente(), sumidero, errores, opciones, hoy);
        }
        if (const auto porQue = salidaSobreEntrada(origen, *rutaSalida); !porQue.empty())
            throw std::runtime_error(porQue);
        ArchivoEntero destino(rutaUtf8(*rutaSalida));
        SumideroFlujo sumidero(destino.flujo());
        const int estado = convertirCsv(origen.fuente(), sumidero, errores, opciones, hoy);
        if (estado != 2) destino.confirmar();  // nothing half-written is left behind
        return estado;
    } catch (const std::runtime_error& e) {
        errores << kPrefijoError << e.what() << '\n';
        return 2;
    }
}

}  // namespace tarvolo
