#include "identificadores.h"

#include <QHash>
#include <QPointer>

namespace tarvolo {

namespace {

// Handles live as long as the program, like the platform's; the program
// hands out two or three of them in a run.
struct Tabla {
    std::uint32_t siguiente = 1;
    QHash<const QObject*, std::uint32_t> ventanas;
    QHash<qint64, std::uint32_t> porClave;  // QIcon::cacheKey -> handle
    QHash<std::uint32_t, QIcon> iconos;
};

Tabla& tabla() {
    static Tabla t;
    return t;
}

}  // namespace

std::uint32_t identificadorDeVentana(const QObject* ventana) {
    if (ventana == nullptr) return 0;
    Tabla& t = tabla();
    const auto it = t.ventanas.constFind(ventana);
    if (it != t.ventanas.constEnd()) return *it;
    const std::uint32_t nuevo = t.siguiente++;
    t.ventanas.insert(ventana, nuevo);
    // A later object at the same address is another window.
    QObject::connect(ventana, &QObject::destroyed, [ventana] { tabla().ventanas.remove(ventana); });
    return nuevo;
}

std::uint32_t identificadorDeIcono(const QIcon& icono) {
    if (icono.isNull()) return 0;
    Tabla& t = tabla();
    const auto it = t.porClave.constFind(icono.cacheKey());
    if (it != t.porClave.constEnd()) return *it;
    const std::uint32_t nuevo = t.siguiente++;
    t.porClave.insert(icono.cacheKey(), nuevo);
    t.iconos.insert(nuevo, icono);
    return nuevo;
}

QIcon iconoDeIdentificador(std::uint32_t identificador) {
    return tabla().iconos.value(identificador);
}

}  // namespace tarvolo
