#include "info_sistema.h"

#include <exception>
#include <optional>

#include "registro.h"

namespace tarvolo {

namespace {

// The tool's file name: the first key names the file itself and is trusted
// as it is; the second names its folder, where the file must exist.
std::optional<QString> buscarInfoSistema(const LectorRegistro& leer, const Lanzador& lanzador) {
    QString valor;
    if (leer(kHkeyLocalMachine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
             QStringLiteral("PATH"), valor))
        return valor;
    if (leer(kHkeyLocalMachine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
             QStringLiteral("MSINFO"), valor)) {
        const QString archivo = valor + QStringLiteral("\\MSINFO32.EXE");
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
