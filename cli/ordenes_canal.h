#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/dias.h"
#include "canal.h"
#include "conteo.h"

namespace tarvolo {

inline constexpr std::string_view kUsoContar =
    "tarvolo-cli contar [--columna NOMBRE|N] [--separador ','|';'|tab] [--por NOMBRE|N] [--cuatrisemanas] "
    "[--desde AÑO] [--hasta AÑO] [--salida ARCHIVO] [ARCHIVO|-]";
inline constexpr std::string_view kUsoCanal =
    "tarvolo-cli canal [--anio AÑO] [--historia N] [--excluir AÑO[,AÑO...]] [--metodo cuartiles|bortman] "
    "[--poblacion ARCHIVO] [--grafico ARCHIVO.svg] [--columna NOMBRE|N] [--separador ','|';'|tab] "
    "[--salida ARCHIVO] [ARCHIVO|-]";

// What `contar` was asked for.
struct PedidoContar {
    OpcionesConteo opciones;
    bool cuatrisemanas = false;
    std::optional<std::string> archivo, salida;
};

// What `canal` was asked for.
struct PedidoCanal {
    OpcionesCanal opciones;
    std::optional<std::string> archivo, salida, poblacion, grafico;
};

// The arguments after the command's name; returns why they are refused,
// empty when read. Nothing is opened.
std::string leerPedidoContar(const std::vector<std::string>& argumentos, PedidoContar& pedido);
std::string leerPedidoCanal(const std::vector<std::string>& argumentos, PedidoCanal& pedido);

// The commands: cases by week, and the endemic channel. Bad dates and the
// summary go to `errores`; the answer to `salida` or to --salida (and the
// chart to --grafico), each written whole or not at all. Returns 0 when
// every date was read, 1 when some was not, 2 for a usage error or input
// that cannot be used (nothing written).
int ordenContar(const std::vector<std::string>& argumentos, std::istream& entrada, std::ostream& salida,
                std::ostream& errores);
int ordenCanal(const std::vector<std::string>& argumentos, const Fecha& hoy, std::istream& entrada,
               std::ostream& salida, std::ostream& errores);

}  // namespace tarvolo
