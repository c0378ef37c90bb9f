#include "info_sistema.h"

#include <exception>
#include <optional>

#include "servicios/registro.h"

namespace tarvolo {

namespace {

// The tool's file name: the first key names the file itself and is trusted
// as it is; the second names its folder, where the file must exist.
std::optional<std::string> buscarInfoSistema(const LectorRegistro& leer, const Lanzador& lanzador) {
    std::string valor;
    if (leer(kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", valor)) return valor;
    if (leer(kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", valor)) {
        std::string archivo = valor + "\\MSINFO32.EXE";
        if (lanzador.existeArchivo(archivo)) return archivo;
    }
    return std::nullopt;
}

}  // namespace

void iniciarInfoSistema(const LectorRegistro& leer, Lanzador& lanzador, Mensajes& mensajes) {
    bool iniciado = false;
    try {
        const auto archivo = buscarInfoSistema(leer, lanzador);
        iniciado = archivo && lanzador.iniciar(*archivo);
    } catch (const std::exception&) {
        iniciado = false;
    }
    if (!iniciado) mensajes.mostrar(kInfoSistemaNoDisponible);
}

}  // namespace tarvolo
