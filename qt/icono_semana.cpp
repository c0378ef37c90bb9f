#include "icono_semana.h"

#include <QFont>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "recursos_qt.h"

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

namespace {

// Draws each side the first time it is asked for: a tray embedded in an X
// panel asks for one, a D-Bus tray for all of them.
class MotorIconoSemana final : public QIconEngine {
public:
    explicit MotorIconoSemana(int semana) : semana_(semana) {}

    QPixmap pixmap(const QSize& tamano, QIcon::Mode, QIcon::State) override {
        // The drawn side nearest above the one asked for, as an icon of
        // fixed pictures answers; Qt scales it down to fit.
        const int pedido = std::min(tamano.width(), tamano.height());
        auto lado = std::find_if(kLadosIconoSemana.begin(), kLadosIconoSemana.end(),
                                 [pedido](int l) { return l >= pedido; });
        if (lado == kLadosIconoSemana.end()) --lado;
        QPixmap& hecho = hechos_[static_cast<std::size_t>(lado - kLadosIconoSemana.begin())];
        if (hecho.isNull()) hecho = pixmapDeSemana(semana_, *lado);
        return hecho.size() == tamano ? hecho
                                      : hecho.scaled(tamano, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    void paint(QPainter* pintor, const QRect& rect, QIcon::Mode modo, QIcon::State estado) override {
        pintor->drawPixmap(rect, pixmap(rect.size(), modo, estado));
    }
    QSize actualSize(const QSize& tamano, QIcon::Mode, QIcon::State) override {
        const int lado = std::min(tamano.width(), tamano.height());
        return {lado, lado};
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> lados;
        for (const int lado : kLadosIconoSemana) lados.append(QSize(lado, lado));
        return lados;
    }
    QIconEngine* clone() const override { return new MotorIconoSemana(*this); }
    QString key() const override { return QStringLiteral("tarvolo.semana"); }

private:
    int semana_;
    std::array<QPixmap, kLadosIconoSemana.size()> hechos_;
};

}  // namespace

QIcon iconoDeSemana(int semana) {
    // Kept for the run: the tray names icons by handles that live as long.
    static QHash<int, QIcon> hechos;
    const auto hecho = hechos.constFind(semana);
    if (hecho != hechos.constEnd()) return *hecho;
    const QIcon icono(new MotorIconoSemana(semana));
    hechos.insert(semana, icono);
    return icono;
}

}  // namespace tarvolo
