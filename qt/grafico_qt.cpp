#include "grafico_qt.h"

#include <QPainter>

#include "lienzo_qt.h"

namespace tarvolo {

GraficoQt::GraficoQt(QWidget* padre) : QWidget(padre) {
    // Every pixel is painted here: white, then the drawing. No palette of its
    // own, which the shared style would have to keep.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraficoQt::fijar(const Dibujo& dibujo) {
    dibujo_ = dibujo;
    update();
}

void GraficoQt::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.fillRect(rect(), Qt::white);
    pintarDibujo(pintor, dibujo_, QRectF(rect()));
}

}  // namespace tarvolo
