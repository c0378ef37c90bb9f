#include "info_sistema.h"

#include <exception>
#include <optional>

namespace tarvolo {

namespace {

// The tool's file name: the first key names the file itself and is trusted
// as it is; the second names its folder, where the file must exist.
std::optional<QString> buscarInfoSistema(Registro& registro, const Lanzador& lanzador) {
    QString valor;
    if (leerValorRegistro(registro, kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                          valor))
        return valor;
    if (leerValorRegistro(registro, kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                          valor)) {
        const QString archivo = valor + QStringLiteral("\\MSINFO32.EXE");
        if (lanzador.existeArchivo(archivo)) return archivo;
    }
    return std::nullopt;
}

}  // namespace

void iniciarInfoSistema(Registro& registro, Lanzador& lanzador, Mensajes& mensajes) {
    bool iniciado = false;
    try {
        const auto archivo = buscarInfoSistema(registro, lanzador);
        iniciado = archivo && lanzador.iniciar(*archivo);
    } catch (const std::exception&) {
        iniciado = false;
    }
    if (!iniciado) mensajes.mostrar(kInfoSistemaNoDisponible);
}

}  // namespace tarvolo
