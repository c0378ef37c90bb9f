#include "disposicion.h"

#include <QLabel>
#include <QMenuBar>
#include <QPalette>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

#include "resources/recursos.h"

namespace tarvolo {

int pixeles(const QWidget* w, int twips) {
    return qRound(twips * w->logicalDpiX() / 1440.0);
}

void colocar(QWidget* control, int izquierda, int arriba, int ancho, int alto) {
    control->setGeometry(pixeles(control, izquierda), pixeles(control, arriba), pixeles(control, ancho),
                         pixeles(control, alto));
}

void ubicar(QWidget* control, const char* nombre, int izquierda, int arriba, int ancho, int alto) {
    control->setObjectName(QLatin1String(nombre));
    colocar(control, izquierda, arriba, ancho, alto);
}

QLabel* etiqueta(QWidget* padre, const char* nombre, const QString& texto, int izquierda, int arriba,
                 int ancho, int alto) {
    auto* l = new QLabel(texto, padre);
    ubicar(l, nombre, izquierda, arriba, ancho, alto);
    return l;
}

QLabel* etiqueta(QWidget* padre, const char* nombre, const QString& texto, const QFont& letra, int izquierda,
                 int arriba, int ancho, int alto) {
    QLabel* l = etiqueta(padre, nombre, texto, izquierda, arriba, ancho, alto);
    l->setFont(letra);
    return l;
}

QLabel* etiquetaAjustada(QWidget* padre, const char* nombre, const QString& texto, const QFont& letra,
                         int izquierda, int arriba) {
    auto* l = new QLabel(texto, padre);
    l->setObjectName(QLatin1String(nombre));
    l->setFont(letra);
    l->move(pixeles(l, izquierda), pixeles(l, arriba));
    l->adjustSize();
    return l;
}

QLabel* imagen(QWidget* padre, const char* nombre, const QString& recurso, Ajuste ajuste, int izquierda,
               int arriba, int ancho, int alto) {
    QLabel* l = etiqueta(padre, nombre, {}, izquierda, arriba, ancho, alto);
    l->setPixmap(QPixmap(recurso));
    l->setScaledContents(ajuste == Ajuste::Estirada);
    return l;
}

void fondoBlanco(QWidget* w) {
    QPalette paleta = w->palette();
    paleta.setColor(QPalette::Window, Qt::white);
    w->setPalette(paleta);
    w->setAutoFillBackground(true);
}

QFont fuente(const QString& familia, qreal puntos, bool negrita) {
    QFont f(familia);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(puntos);
    f.setBold(negrita);
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

}  // namespace tarvolo
