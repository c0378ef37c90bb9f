#include "disposicion.h"

#include <QMenuBar>
#include <QPalette>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

#include "recursos_qt.h"
#include "servicios/diseno.h"

namespace tarvolo {

int pixeles(const QWidget* w, int twips) {
    return qRound(twips * w->logicalDpiX() / 1440.0);
}

void colocar(QWidget* control, int izquierda, int arriba, int ancho, int alto) {
    control->setGeometry(pixeles(control, izquierda), pixeles(control, arriba), pixeles(control, ancho),
                         pixeles(control, alto));
}

void fondoBlanco(QWidget* w) {
    QPalette paleta = w->palette();
    paleta.setColor(QPalette::Window, Qt::white);
    w->setPalette(paleta);
    w->setAutoFillBackground(true);
}

QFont fuenteDeInterfaz() {
    return fuente({kCaraInterfaz, kPuntosInterfaz});
}

QFont fuente(const Letra& letra) {
    QFont f(aQt(letra.cara.empty() ? kCaraInterfaz : letra.cara));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(letra.puntos > 0 ? letra.puntos : kPuntosInterfaz);
    f.setBold(letra.negrita);
    return f;
}

void prepararMarco(QWidget* ventana, const QString& titulo, bool enBarraDeTareas) {
    const Qt::WindowFlags tipo = enBarraDeTareas ? Qt::Window : Qt::Tool;
    ventana->setWindowFlags(tipo | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint);
    ventana->setWindowTitle(titulo);
    ventana->setWindowIcon(iconoPrograma());
}

QWidget* areaBajoMenu(QWidget* ventana, QMenuBar* barra, int ancho, int alto) {
    auto* area = new QWidget(ventana);
    area->setObjectName(QStringLiteral("area"));
    area->setFixedSize(pixeles(ventana, ancho), pixeles(ventana, alto));
    auto* disposicion = new QVBoxLayout(ventana);
    disposicion->setContentsMargins(0, 0, 0, 0);
    disposicion->setSpacing(0);
    // The frame may be dragged smaller than the area; the controls stay put.
    disposicion->setSizeConstraint(QLayout::SetNoConstraint);
    disposicion->setMenuBar(barra);
    disposicion->addWidget(area, 0, Qt::AlignLeft | Qt::AlignTop);
    disposicion->addStretch();
    ventana->resize(area->width(), barra->sizeHint().height() + area->height());
    return area;
}

void centrarEnPantalla(QWidget* ventana) {
    const QScreen* pantalla = ventana->screen();
    if (pantalla == nullptr) return;
    QRect marco(QPoint(0, 0), ventana->size());
    marco.moveCenter(pantalla->availableGeometry().center());
    ventana->move(marco.topLeft());
}

QString aQt(std::string_view texto) {
    return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string deQt(const QString& texto) {
    return QString(texto).replace(u'\n', QStringLiteral("\r\n")).toStdString();
}

}  // namespace tarvolo
