#include "dialogos_qt.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

#include "disposicion.h"

namespace tarvolo {

namespace {

// "Gráfico SVG (*.svg)", one filter a kind, in the order offered.
QStringList filtros(std::span<const TipoArchivo> tipos) {
    QStringList lista;
    for (const TipoArchivo& t : tipos) {
        QString patrones = aQt(t.patrones);
        patrones.replace(QLatin1Char(';'), QLatin1Char(' '));
        lista.append(aQt(t.nombre) + QStringLiteral(" (") + patrones + QLatin1Char(')'));
    }
    return lista;
}

}  // namespace

std::optional<std::string> DialogosQt::abrir(std::string_view titulo, std::span<const TipoArchivo> tipos) {
    const QString ruta = QFileDialog::getOpenFileName(QApplication::activeWindow(), aQt(titulo), QString(),
                                                      filtros(tipos).join(QStringLiteral(";;")));
    if (ruta.isEmpty()) return std::nullopt;
    return ruta.toStdString();
}

std::optional<Dialogos::Eleccion> DialogosQt::guardar(std::string_view titulo, std::string_view propuesto,
                                                      std::span<const TipoArchivo> tipos) {
    const QStringList lista = filtros(tipos);
    QString elegido = lista.value(0);
    const QString ruta =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), aQt(titulo), aQt(propuesto),
                                     lista.join(QStringLiteral(";;")), &elegido);
    if (ruta.isEmpty()) return std::nullopt;
    return Eleccion{ruta.toStdString(),
                    static_cast<std::size_t>(std::max<qsizetype>(0, lista.indexOf(elegido)))};
}

}  // namespace tarvolo
