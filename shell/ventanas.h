#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

namespace tarvolo {

// The window services: windows by name, at most one instance each, loaded
// (constructed) on first show and discarded when closed.
class Ventanas {
public:
    using Fabrica = std::function<QWidget*()>;

    void registrar(const QString& nombre, Fabrica fabrica);

    // Loads the window if needed and shows it modeless with no owner; an open
    // window is only brought forward. A name never registered asserts in a
    // debug build; in a release one it is logged and nothing is shown.
    QWidget* mostrar(const QString& nombre);
    // Closes and discards the window if it is loaded; nothing otherwise.
    void descargar(const QString& nombre);
    // Leaves one window for another: unloads `propia` first, then shows `otra`.
    void cambiar(const QString& propia, const QString& otra);
    // The loaded window of that name, or null.
    QWidget* abierta(const QString& nombre) const;
    // Discards every window at once, without their close handlers.
    void descargarTodas();

private:
    QHash<QString, Fabrica> fabricas_;
    QHash<QString, QPointer<QWidget>> abiertas_;
};

}  // namespace tarvolo
