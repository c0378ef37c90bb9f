#include "registro.h"

#include <algorithm>
#include <vector>

namespace tarvolo {

namespace {

// The bytes returned, less a last NUL. An empty value stays empty.
std::vector<unsigned char> recortar(const std::vector<unsigned char>& datos, std::uint32_t tamano) {
    const std::size_t n = std::min<std::size_t>(tamano, datos.size());
    const bool terminaEnNul = n > 0 && datos[n - 1] == 0;
    return {datos.begin(), datos.begin() + static_cast<std::ptrdiff_t>(terminaEnNul ? n - 1 : n)};
}

std::string hexadecimal(const std::vector<unsigned char>& bytes) {
    static constexpr char kCifras[] = "0123456789ABCDEF";
    std::string texto = "&h";
    for (auto b = bytes.rbegin(); b != bytes.rend(); ++b) {
        texto += kCifras[*b >> 4];
        texto += kCifras[*b & 0x0F];
    }
    return texto;
}

}  // namespace

bool leerValorRegistro(Registro& registro, std::uint32_t raiz, const std::string& subclave,
                       const std::string& nombre, std::string& valor) {
    Registro::Clave clave = 0;
    bool leido = false;
    if (registro.abrir(raiz, subclave, kAccesoTodo, clave) != 0) {
        clave = 0;  // nothing to close but the zero handle
    } else {
        std::vector<unsigned char> datos(kTamanoBuffer, 0);
        std::uint32_t tipo = 0;
        std::uint32_t tamano = kTamanoBuffer;
        if (registro.consultar(clave, nombre, tipo, datos, tamano) == 0) {
            const auto bytes = recortar(datos, tamano);
            if (tipo == kRegSz) {
                // The registry's ANSI text, in the machine's own code page.
                valor = registro.texto(bytes);
            } else if (tipo == kRegDword) {
                valor = hexadecimal(bytes);
            }
            leido = true;
        }
    }
    if (!leido) valor.clear();
    registro.cerrar(clave);
    return leido;
}

}  // namespace tarvolo
