#include "linea_ordenes.h"

#include "version/version.h"

namespace tarvolo {

namespace {

constexpr std::string_view kAyuda =
    "Uso: tarvolo [--help | --version]\n"
    "\n"
    "Tarvolo vive en el área de notificación: su icono y su globo dicen la semana\n"
    "epidemiológica actual, y su menú abre la semana actual, la búsqueda de la\n"
    "semana de un día y las semanas y cuatrisemanas de un año, que puede imprimir.\n"
    "Un segundo inicio en la misma sesión no añade otro icono: trae al frente la\n"
    "ventana \"Semana Actual\" del programa que ya corre.\n"
    "\n"
    "  --help     muestra esta ayuda y termina\n"
    "  --version  muestra la versión y termina\n"
    "\n"
    "En una terminal, tarvolo-cli da las mismas respuestas.\n";

}  // namespace

std::optional<std::string> textoDeLaLineaDeOrdenes(const std::vector<std::string_view>& argumentos) {
    for (const std::string_view argumento : argumentos) {
        if (argumento == "--help") return std::string(kAyuda);
        if (argumento == "--version") return "Tarvolo " + std::string(kTextoVersion) + "\n";
    }
    return std::nullopt;
}

}  // namespace tarvolo
