#pragma once

#include <QFont>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <string>

#include "servicios/dibujo.h"

class QPainter;

namespace tarvolo {

// A Lienzo on a QPainter, antialiased: a point (x, y) in twips goes to
// (dx + x * escala, dy + y * escala) in the painter's units, and so do
// line widths and type sizes.
class LienzoQt final : public Lienzo {
public:
    LienzoQt(QPainter& pintor, const Encaje& encaje);

    void rectangulo(Punto esquina, int ancho, int alto, Color relleno) override;
    void poligono(std::span<const Punto> vertices, Color relleno) override;
    void linea(std::span<const Punto> puntos, int grosor, Color color) override;
    void texto(Punto base, std::string_view utf8, LetraDibujo letra, Alineacion alineacion,
               Color color) override;

private:
    QPointF punto(Punto p) const {
        return {encaje_.dx + p.x * encaje_.escala, encaje_.dy + p.y * encaje_.escala};
    }
    QPolygonF poligonoQt(std::span<const Punto> puntos) const;

    QPainter& pintor_;
    Encaje encaje_;
};

// The face the drawings' texts are set in, as the SVG names it first; any
// sans-serif where it is missing.
QFont letraDeDibujo(const LetraDibujo& letra, double escala);

// Paints `dibujo` fitted to `area` (proportions kept, centred), clipped to
// the drawing's own size. Paints nothing else: the background is the
// caller's.
void pintarDibujo(QPainter& pintor, const Dibujo& dibujo, const QRectF& area);

// The drawing as PNG at 192 dots per inch (7.5 twips to the pixel) on
// white.
std::string pngDeDibujo(const Dibujo& dibujo);

// Its size in pixels there.
QSize tamanioPng(const Dibujo& dibujo);

}  // namespace tarvolo
