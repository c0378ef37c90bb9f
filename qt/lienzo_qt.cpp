#include "lienzo_qt.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace tarvolo {

namespace {

QColor qColor(Color c) {
    return {c.r, c.g, c.b};
}

// 1440 twips to the inch over 192 pixels.
constexpr double kTwipsPorPixelPng = 7.5;

}  // namespace

LienzoQt::LienzoQt(QPainter& pintor, const Encaje& encaje) : pintor_(pintor), encaje_(encaje) {
    pintor_.setRenderHint(QPainter::Antialiasing);
    pintor_.setRenderHint(QPainter::TextAntialiasing);
}

QPolygonF LienzoQt::poligonoQt(std::span<const Punto> puntos) const {
    QPolygonF p;
    p.reserve(static_cast<qsizetype>(puntos.size()));
    for (const Punto& v : puntos) p.append(punto(v));
    return p;
}

void LienzoQt::rectangulo(Punto esquina, int ancho, int alto, Color relleno) {
    pintor_.setPen(Qt::NoPen);
    pintor_.setBrush(qColor(relleno));
    pintor_.drawRect(QRectF(punto(esquina), punto({esquina.x + ancho, esquina.y + alto})));
}

void LienzoQt::poligono(std::span<const Punto> vertices, Color relleno) {
    pintor_.setPen(Qt::NoPen);
    pintor_.setBrush(qColor(relleno));
    pintor_.drawPolygon(poligonoQt(vertices));
}

void LienzoQt::linea(std::span<const Punto> puntos, int grosor, Color color) {
    pintor_.setPen(QPen(qColor(color), grosor * encaje_.escala, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    pintor_.setBrush(Qt::NoBrush);
    pintor_.drawPolyline(poligonoQt(puntos));
}

void LienzoQt::texto(Punto base, std::string_view utf8, LetraDibujo letra, Alineacion alineacion,
                     Color color) {
    const QFont fuente = letraDeDibujo(letra, encaje_.escala);
    const QString texto = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    QPointF inicio = punto(base);
    if (alineacion != Alineacion::kIzquierda) {
        const qreal ancho = QFontMetricsF(fuente, pintor_.device()).horizontalAdvance(texto);
        inicio.rx() -= alineacion == Alineacion::kCentro ? ancho / 2 : ancho;
    }
    pintor_.setFont(fuente);
    pintor_.setPen(qColor(color));
    pintor_.drawText(inicio, texto);
}

QFont letraDeDibujo(const LetraDibujo& letra, double escala) {
    QFont fuente;
    fuente.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    fuente.setStyleHint(QFont::SansSerif);
    fuente.setPixelSize(std::max(1, static_cast<int>(std::lround(letra.tamanio * escala))));
    fuente.setBold(letra.negrita);
    return fuente;
}

void pintarDibujo(QPainter& pintor, const Dibujo& dibujo, const QRectF& area) {
    if (dibujo.vacio()) return;
    Encaje encaje = encajar(dibujo.ancho(), dibujo.alto(), area.width(), area.height());
    encaje.dx += area.left();
    encaje.dy += area.top();
    pintor.save();
    pintor.setClipRect(
        QRectF(encaje.dx, encaje.dy, dibujo.ancho() * encaje.escala, dibujo.alto() * encaje.escala),
        Qt::IntersectClip);
    LienzoQt lienzo(pintor, encaje);
    dibujo.reproducir(lienzo);
    pintor.restore();
}

QSize tamanioPng(const Dibujo& dibujo) {
    return {static_cast<int>(std::ceil(dibujo.ancho() / kTwipsPorPixelPng)),
            static_cast<int>(std::ceil(dibujo.alto() / kTwipsPorPixelPng))};
}

std::string pngDeDibujo(const Dibujo& dibujo) {
    QImage imagen(tamanioPng(dibujo), QImage::Format_RGB32);
    if (imagen.isNull()) return {};
    imagen.fill(Qt::white);
    // The file says its resolution, so that an office program places it at
    // the drawing's size.
    const int puntosPorMetro = static_cast<int>(std::lround(1440 / kTwipsPorPixelPng / 0.0254));
    imagen.setDotsPerMeterX(puntosPorMetro);
    imagen.setDotsPerMeterY(puntosPorMetro);
    {
        QPainter pintor(&imagen);
        pintarDibujo(pintor, dibujo, QRectF(QPointF(0, 0), imagen.size()));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Qt writes PNG itself: naming the format keeps the plug-ins out.
    QImageWriter escritor(&buffer, "png");
    if (!escritor.write(imagen)) return {};
    return bytes.toStdString();
}

}  // namespace tarvolo
