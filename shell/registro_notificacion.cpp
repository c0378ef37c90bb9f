#include "registro_notificacion.h"

#include <algorithm>

#include "windows1252.h"

namespace tarvolo {

RegistroNotificacion RegistroNotificacion::desdeBytes(std::span<const std::uint8_t> bytes) {
    RegistroNotificacion registro;
    std::copy_n(bytes.begin(), std::min(kTamano, bytes.size()), registro.bytes_.begin());
    return registro;
}

std::uint32_t RegistroNotificacion::entero(std::size_t d) const {
    return static_cast<std::uint32_t>(bytes_.at(d)) | static_cast<std::uint32_t>(bytes_.at(d + 1)) << 8 |
           static_cast<std::uint32_t>(bytes_.at(d + 2)) << 16 |
           static_cast<std::uint32_t>(bytes_.at(d + 3)) << 24;
}

void RegistroNotificacion::fijarEntero(std::size_t d, std::uint32_t valor) {
    for (std::size_t i = 0; i < 4; ++i) bytes_.at(d + i) = static_cast<std::uint8_t>(valor >> (8 * i));
}

std::string RegistroNotificacion::texto(std::size_t d, std::size_t ancho) const {
    const auto inicio = bytes_.begin() + static_cast<std::ptrdiff_t>(d);
    const auto fin = std::find(inicio, inicio + static_cast<std::ptrdiff_t>(ancho), std::uint8_t{0});
    return deWindows1252(std::string(inicio, fin));
}

std::string RegistroNotificacion::tipLeido() const {
    return cbSize() >= kTamano ? szTip() : texto(kSzTip, kTamanoCorto - kSzTip);
}

void RegistroNotificacion::fijarTexto(std::size_t d, std::size_t ancho, std::string_view texto,
                                      std::size_t limite) {
    std::string escrito = aWindows1252(texto);
    escrito.resize(std::min({escrito.size(), limite, ancho}));
    escrito += '\0';
    escrito.resize(std::min(escrito.size(), ancho));
    const auto campo = bytes_.begin() + static_cast<std::ptrdiff_t>(d);
    std::fill_n(campo, ancho, static_cast<std::uint8_t>(' '));
    std::copy(escrito.begin(), escrito.end(), campo);
}

}  // namespace tarvolo
