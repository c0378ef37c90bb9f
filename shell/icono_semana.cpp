#include "icono_semana.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include "resources/recursos.h"

namespace tarvolo {

namespace {

const QColor kFondoInsignia(0x1a, 0x23, 0x7e);  // deep blue: dark against a light panel
const QColor kBordeInsignia(Qt::white);         // the edge that shows it against a dark one
const QColor kCifras(Qt::white);

}  // namespace

QPixmap pixmapDeSemana(int semana, int lado) {
    QPixmap lienzo(lado, lado);
    lienzo.fill(Qt::transparent);
    QPainter p(&lienzo);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(QRect(0, 0, lado, lado), iconoPrograma().pixmap(lado));

    // The badge fills the lower two thirds: at 16 pixels the digits need
    // every row they can get.
    const qreal borde = std::max(1.0, lado / 16.0);
    const qreal alto = std::round(lado * 0.66);
    const QRectF insignia(borde / 2, lado - alto + borde / 2, lado - borde, alto - borde);
    p.setPen(QPen(kBordeInsignia, borde));
    p.setBrush(kFondoInsignia);
    p.drawRoundedRect(insignia, lado / 8.0, lado / 8.0);

    // The digits as a shape, fitted to the badge's inside, so that two of
    // them fit any side without a font of that exact size.
    QFont letra(QStringLiteral("DejaVu Sans"));
    letra.setStyleHint(QFont::SansSerif);
    letra.setBold(true);
    letra.setPixelSize(100);
    QPainterPath cifras;
    cifras.addText(0, 0, letra, QString::number(semana));
    const QRectF caja = cifras.boundingRect();
    const QRectF dentro = insignia.adjusted(borde * 1.5, borde * 1.5, -borde * 1.5, -borde * 1.5);
    const qreal escalaY = dentro.height() / caja.height();
    const qreal escalaX = std::min(escalaY, dentro.width() / caja.width());
    QTransform t;
    t.translate(dentro.center().x(), dentro.center().y());
    t.scale(escalaX, escalaY);
    t.translate(-caja.center().x(), -caja.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(kCifras);
    p.drawPath(t.map(cifras));
    return lienzo;
}

QIcon iconoDeSemana(int semana) {
    // Kept for the run: the tray names icons by handles that live as long.
    static QHash<int, QIcon> hechos;
    const auto hecho = hechos.constFind(semana);
    if (hecho != hechos.constEnd()) return *hecho;
    QIcon icono;
    for (const int lado : kLadosIconoSemana) icono.addPixmap(pixmapDeSemana(semana, lado));
    hechos.insert(semana, icono);
    return icono;
}

}  // namespace tarvolo
