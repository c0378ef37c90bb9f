#include "registro_notificacion.h"

#include <algorithm>

#include "windows1252.h"

namespace tarvolo {

RegistroNotificacion RegistroNotificacion::desdeBytes(const QByteArray& bytes) {
    RegistroNotificacion registro;
    const auto n = std::min<std::size_t>(kTamano, static_cast<std::size_t>(bytes.size()));
    std::copy_n(bytes.constData(), n, reinterpret_cast<char*>(registro.bytes_.data()));
    return registro;
}

QByteArray RegistroNotificacion::bytes() const {
    return {reinterpret_cast<const char*>(bytes_.data()), static_cast<qsizetype>(bytes_.size())};
}

std::uint32_t RegistroNotificacion::entero(std::size_t d) const {
    return static_cast<std::uint32_t>(bytes_.at(d)) | static_cast<std::uint32_t>(bytes_.at(d + 1)) << 8 |
           static_cast<std::uint32_t>(bytes_.at(d + 2)) << 16 |
           static_cast<std::uint32_t>(bytes_.at(d + 3)) << 24;
}

void RegistroNotificacion::fijarEntero(std::size_t d, std::uint32_t valor) {
    for (std::size_t i = 0; i < 4; ++i) bytes_.at(d + i) = static_cast<std::uint8_t>(valor >> (8 * i));
}

QString RegistroNotificacion::texto(std::size_t d, std::size_t ancho) const {
    const auto inicio = bytes_.begin() + static_cast<std::ptrdiff_t>(d);
    const auto fin = std::find(inicio, inicio + static_cast<std::ptrdiff_t>(ancho), std::uint8_t{0});
    return deWindows1252(QByteArrayView(&*inicio, fin - inicio));
}

void RegistroNotificacion::fijarTexto(std::size_t d, std::size_t ancho, const QString& texto,
                                      std::size_t limite) {
    QByteArray escrito = aWindows1252(texto);
    escrito.truncate(static_cast<qsizetype>(std::min(limite, ancho)));
    escrito.append('\0');
    escrito.truncate(static_cast<qsizetype>(ancho));
    const auto campo = bytes_.begin() + static_cast<std::ptrdiff_t>(d);
    std::fill_n(campo, ancho, static_cast<std::uint8_t>(' '));
    std::copy(escrito.cbegin(), escrito.cend(), campo);
}

}  // namespace tarvolo
