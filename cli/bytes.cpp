#include "bytes.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace tarvolo {

std::size_t FuenteMemoria::leer(char* destino, std::size_t capacidad) {
    std::size_t n = std::min(capacidad, resto_.size());
    if (trozo_ != 0) n = std::min(n, trozo_);
    if (n != 0) std::memcpy(destino, resto_.data(), n);
    resto_.remove_prefix(n);
    return n;
}

std::size_t FuenteFlujo::leer(char* destino, std::size_t capacidad) {
    std::streambuf* b = flujo_.rdbuf();
    if (b == nullptr || capacidad == 0) return 0;
    // sgetc waits for at least one byte (one read of the device); what it
    // buffered can then be taken without waiting again.
    if (std::istream::traits_type::eq_int_type(b->sgetc(), std::istream::traits_type::eof())) {
        if (flujo_.bad()) throw std::runtime_error("no se pudo leer la entrada");
        return 0;
    }
    const std::streamsize disponibles = std::max<std::streamsize>(b->in_avail(), 1);
    const auto n = std::min(static_cast<std::streamsize>(capacidad), disponibles);
    const std::streamsize leidos = b->sgetn(destino, n);
    if (leidos <= 0) throw std::runtime_error("no se pudo leer la entrada");
    return static_cast<std::size_t>(leidos);
}

void SumideroFlujo::escribir(const char* datos, std::size_t n) {
    if (n == 0) return;
    flujo_.write(datos, static_cast<std::streamsize>(n));
    if (!flujo_) throw std::runtime_error("no se pudo escribir la salida");
}

void SumideroFlujo::vaciar() {
    flujo_.flush();
    if (!flujo_) throw std::runtime_error("no se pudo escribir la salida");
}

}  // namespace tarvolo
