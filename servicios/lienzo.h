#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tarvolo {

// A point in twips (1/1440 inch), x to the right and y downwards from the
// top left corner.
struct Punto {
    int x = 0, y = 0;
    bool operator==(const Punto&) const = default;
};

struct Color {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Color&) const = default;
};

enum class Alineacion { kIzquierda, kCentro, kDerecha };

struct LetraDibujo {
    int tamanio = 200;  // twips: 20 to the point
    bool negrita = false;
    bool operator==(const LetraDibujo&) const = default;
};

// The few shapes a chart is drawn with, and nothing of any window system:
// SVG, QPainter and GDI each draw them the same way. Filled shapes have no
// outline; lines have round joins and ends.
class Lienzo {
public:
    virtual ~Lienzo() = default;
    virtual void rectangulo(Punto esquina, int ancho, int alto, Color relleno) = 0;
    virtual void poligono(std::span<const Punto> vertices, Color relleno) = 0;
    // An open line through `puntos`, `grosor` twips wide.
    virtual void linea(std::span<const Punto> puntos, int grosor, Color color) = 0;
    // One line of UTF-8 text on a baseline; `base` is its left end, middle or
    // right end as `alineacion` says. The chart never measures text.
    virtual void texto(Punto base, std::string_view utf8, LetraDibujo letra, Alineacion alineacion,
                       Color color) = 0;
};

}  // namespace tarvolo
