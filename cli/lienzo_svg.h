#pragma once

#include <string>
#include <string_view>

#include "servicios/lienzo.h"

namespace tarvolo {

// A drawing as an SVG 1.1 document, one twip to the user unit: it opens in
// browsers and office programs at its size in points.
class LienzoSvg final : public Lienzo {
public:
    // `titulo` is the document's own title, as a browser's tab shows it.
    LienzoSvg(int ancho, int alto, std::string_view titulo);

    void rectangulo(Punto esquina, int ancho, int alto, Color relleno) override;
    void poligono(std::span<const Punto> vertices, Color relleno) override;
    void linea(std::span<const Punto> puntos, int grosor, Color color) override;
    void texto(Punto base, std::string_view utf8, LetraDibujo letra, Alineacion alineacion, Color color) override;

    // The whole document, ended.
    std::string documento() const;

private:
    std::string cuerpo_;
};

}  // namespace tarvolo
