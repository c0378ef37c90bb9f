#include "registro.h"

#include <algorithm>

namespace tarvolo {

namespace {

// The bytes returned, less a last NUL. An empty value stays empty.
std::vector<unsigned char> recortar(const std::vector<unsigned char>& datos, std::uint32_t tamano) {
    const std::size_t n = std::min<std::size_t>(tamano, datos.size());
    const bool terminaEnNul = n > 0 && datos[n - 1] == 0;
    return {datos.begin(), datos.begin() + static_cast<std::ptrdiff_t>(terminaEnNul ? n - 1 : n)};
}

QString hexadecimal(const std::vector<unsigned char>& bytes) {
    QString texto = QStringLiteral("&h");
    for (auto b = bytes.rbegin(); b != bytes.rend(); ++b)
        texto += QStringLiteral("%1").arg(*b, 2, 16, QLatin1Char('0')).toUpper();
    return texto;
}

}  // namespace

bool leerValorRegistro(Registro& registro, std::uint32_t raiz, const std::string& subclave,
                       const std::string& nombre, QString& valor) {
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
                valor = QString::fromLocal8Bit(reinterpret_cast<const char*>(bytes.data()),
                                               static_cast<qsizetype>(bytes.size()));
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
