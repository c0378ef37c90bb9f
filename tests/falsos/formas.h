#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "servicios/dibujo.h"

namespace tarvolo::prueba {

// A shape as a drawing surface handed it on to its system, in the system's
// own units (pixels, device units): what a painter or a device context was
// asked to draw, caught below the surface.
struct FormaVista {
    Dibujo::Tipo tipo = Dibujo::Tipo::Rectangulo;
    // A rectangle's two opposite corners, a polygon's or line's vertices, the
    // left end of a text's baseline.
    std::vector<std::pair<double, double>> puntos;
    Color color;
    double grosor = 0;      // lines
    std::string texto;      // UTF-8
    double anchoTexto = 0;  // as the system measured it
    double tamanio = 0;     // the type's em height
    bool negrita = false;
};

// Where the shapes `vistas` differ from `dibujo`'s placed by `encaje`, one
// line per difference naming the shape: their count, kinds, colours, texts
// and boldness exactly; vertices, line widths, type sizes and each text's
// end, middle or start as aligned (from its measured width) within
// `tolerancia` units. Empty when they agree.
std::vector<std::string> diferencias(const Dibujo& dibujo, const Encaje& encaje,
                                     const std::vector<FormaVista>& vistas, double tolerancia);

// An SVG document as LienzoSvg writes it, drawn again from its rect,
// polygon, polyline and text elements, in order, at the viewBox's size.
// Throws std::runtime_error at anything it cannot read back, such as a line
// without round joins and ends or a text in another face.
Dibujo dibujoDeSvg(std::string_view svg);

}  // namespace tarvolo::prueba
