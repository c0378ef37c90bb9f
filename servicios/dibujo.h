#pragma once

#include <functional>
#include <string>
#include <vector>

#include "lienzo.h"

namespace tarvolo {

// A drawing kept as the shapes it was drawn with, so that a window can paint
// it again at any size, a printer can put it on a page and a file can hold
// it: every surface replays the same shapes.
class Dibujo final : public Lienzo {
public:
    enum class Tipo { Rectangulo, Poligono, Linea, Texto };
    struct Forma {
        Tipo tipo = Tipo::Rectangulo;
        std::vector<Punto> puntos;  // a rectangle's two corners; a text's base
        Color color;
        int grosor = 0;  // lines
        std::string texto;
        LetraDibujo letra;
        Alineacion alineacion = Alineacion::kIzquierda;
        bool operator==(const Forma&) const = default;
    };

    Dibujo() = default;
    // A drawing of that size in twips; shapes outside it are clipped.
    Dibujo(int ancho, int alto) : ancho_(ancho), alto_(alto) {}

    void rectangulo(Punto esquina, int ancho, int alto, Color relleno) override;
    void poligono(std::span<const Punto> vertices, Color relleno) override;
    void linea(std::span<const Punto> puntos, int grosor, Color color) override;
    void texto(Punto base, std::string_view utf8, LetraDibujo letra, Alineacion alineacion,
               Color color) override;

    // Another drawing at `origen`, its lengths multiplied by `escala`.
    void incluir(const Dibujo& otro, Punto origen, double escala);
    // Draws every shape again on `lienzo`, in order.
    void reproducir(Lienzo& lienzo) const;

    int ancho() const noexcept { return ancho_; }
    int alto() const noexcept { return alto_; }
    bool vacio() const noexcept { return formas_.empty(); }
    const std::vector<Forma>& formas() const noexcept { return formas_; }
    bool operator==(const Dibujo& otro) const {
        return ancho_ == otro.ancho_ && alto_ == otro.alto_ && formas_ == otro.formas_;
    }

private:
    int ancho_ = 0, alto_ = 0;
    std::vector<Forma> formas_;
};

// How a drawing fits a space with its proportions kept, centred: a point
// (x, y) of the drawing goes to (dx + x * escala, dy + y * escala) in the
// space's units.
struct Encaje {
    double escala = 1;
    double dx = 0, dy = 0;
};
Encaje encajar(int anchoDibujo, int altoDibujo, double anchoEspacio, double altoEspacio) noexcept;

// The drawing as a PNG file's bytes; a back end that cannot write PNG leaves
// it empty, and the program then offers SVG only.
using EscritorPng = std::function<std::string(const Dibujo&)>;

}  // namespace tarvolo
