#pragma once

#include <cstdint>
#include <string_view>

namespace tarvolo {

// The windows' pictures, compiled into the program by each back end.
enum class Imagen : std::uint8_t { Ninguna, Icono32, Banner, Emblema, EmblemaNombre, Logo, Impresora };

// A picture's file in resources/, in the order of Imagen.
constexpr std::string_view archivoImagen(Imagen imagen) {
    constexpr std::string_view kArchivos[] = {
        "", "icono32.png", "banner.png", "emblema.png", "emblema_nombre.png", "logo.png", "impresora.png"};
    return kArchivos[static_cast<std::size_t>(imagen)];
}

}  // namespace tarvolo
