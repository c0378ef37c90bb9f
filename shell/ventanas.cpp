#include "ventanas.h"

namespace tarvolo {

namespace {

// A name nobody registered is the program's slip, never the user's: it stops
// a debug build at once and leaves a line in the log of a release one.
void avisarSinRegistrar(const QString& nombre) {
    qWarning("Ventanas: no window is registered as \"%s\"", qUtf8Printable(nombre));
    Q_ASSERT_X(false, "Ventanas", "a window name nobody registered");
}

}  // namespace

void Ventanas::registrar(const QString& nombre, Fabrica fabrica) {
    fabricas_.insert(nombre, std::move(fabrica));
}

QWidget* Ventanas::abierta(const QString& nombre) const {
    const auto it = abiertas_.constFind(nombre);
    if (it == abiertas_.constEnd() || it->isNull()) return nullptr;
    // Every loaded window is on screen; a hidden one was closed with its
    // frame and only waits for Qt to delete it.
    return (*it)->isHidden() ? nullptr : it->data();
}

QWidget* Ventanas::mostrar(const QString& nombre) {
    QWidget* ventana = abierta(nombre);
    if (ventana == nullptr) {
        const auto fabrica = fabricas_.constFind(nombre);
        if (fabrica == fabricas_.constEnd()) {
            avisarSinRegistrar(nombre);
            return nullptr;
        }
        ventana = (*fabrica)();
        // Closing a window by any means unloads it.
        ventana->setAttribute(Qt::WA_DeleteOnClose);
        abiertas_.insert(nombre, ventana);
    }
    ventana->show();
    ventana->raise();
    ventana->activateWindow();
    return ventana;
}

void Ventanas::descargar(const QString& nombre) {
    if (QWidget* ventana = abierta(nombre)) {
        abiertas_.remove(nombre);
        ventana->close();  // WA_DeleteOnClose deletes it
    }
}

void Ventanas::cambiar(const QString& propia, const QString& otra) {
    descargar(propia);
    mostrar(otra);
}

void Ventanas::descargarTodas() {
    const auto abiertas = std::exchange(abiertas_, {});
    for (const auto& ventana : abiertas) delete ventana.data();
}

}  // namespace tarvolo
