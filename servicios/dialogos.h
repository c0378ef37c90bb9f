#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tarvolo {

// A kind of file a dialog offers: its name ("Gráfico SVG") and its patterns
// separated by ';' ("*.svg"). Each system shows the patterns after the name
// in its own way.
struct TipoArchivo {
    std::string_view nombre;
    std::string_view patrones;
};

// The system's dialogs for choosing a file, over the program's active
// window. Paths are UTF-8. Tests install answers of their own.
class Dialogos {
public:
    struct Eleccion {
        std::string ruta;
        std::size_t tipo = 0;  // which of the kinds offered was chosen
    };

    virtual ~Dialogos() = default;
    // A file to read; nothing when the user cancels.
    virtual std::optional<std::string> abrir(std::string_view titulo, std::span<const TipoArchivo> tipos) = 0;
    // A file to write, `propuesto` first; the system asks before one is
    // replaced. Nothing when the user cancels.
    virtual std::optional<Eleccion> guardar(std::string_view titulo, std::string_view propuesto,
                                            std::span<const TipoArchivo> tipos) = 0;
};

}  // namespace tarvolo
