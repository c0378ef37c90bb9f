#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <utility>

#include "servicios/dibujo.h"

namespace tarvolo {

// A drawing surface on a GDI device context: twips go to the device's
// logical units through `encaje` (x' = dx + x * escala, y' = dy + y * escala),
// so a window in pixels, a printed page or a metafile all take the same
// shapes. Fills have no outline, lines round joins and ends, texts a
// transparent background. The device's objects and settings come back as
// they were when this goes.
class LienzoGdi final : public Lienzo {
public:
    LienzoGdi(HDC dc, Encaje encaje);
    ~LienzoGdi() override;
    LienzoGdi(const LienzoGdi&) = delete;
    LienzoGdi& operator=(const LienzoGdi&) = delete;

    void rectangulo(Punto esquina, int ancho, int alto, Color relleno) override;
    void poligono(std::span<const Punto> vertices, Color relleno) override;
    void linea(std::span<const Punto> puntos, int grosor, Color color) override;
    void texto(Punto base, std::string_view utf8, LetraDibujo letra, Alineacion alineacion,
               Color color) override;

    // The face texts are written in: Arial, or the system's sans-serif where
    // it has none.
    static const std::wstring& cara();

private:
    POINT punto(Punto p) const;
    int medida(int twips) const;
    void rellenoDe(Color color);
    HFONT fuente(LetraDibujo letra);

    HDC dc_;
    Encaje encaje_;
    int guardado_;
    HBRUSH relleno_ = nullptr;
    std::map<std::pair<int, bool>, HFONT> fuentes_;
};

// Paints `dibujo` fitted into `espacio` (the device's logical units) with its
// proportions kept, centred, and clipped to its own size there.
void pintarDibujo(HDC dc, const Dibujo& dibujo, const RECT& espacio);

}  // namespace tarvolo
