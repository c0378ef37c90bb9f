#include "dibujo.h"

#include <algorithm>
#include <cmath>

namespace tarvolo {

namespace {

Dibujo::Forma forma(Dibujo::Tipo tipo, std::span<const Punto> puntos, Color color) {
    Dibujo::Forma f;
    f.tipo = tipo;
    f.puntos.assign(puntos.begin(), puntos.end());
    f.color = color;
    return f;
}

}  // namespace

void Dibujo::rectangulo(Punto esquina, int ancho, int alto, Color relleno) {
    const Punto esquinas[] = {esquina, {esquina.x + ancho, esquina.y + alto}};
    formas_.push_back(forma(Tipo::Rectangulo, esquinas, relleno));
}

void Dibujo::poligono(std::span<const Punto> vertices, Color relleno) {
    formas_.push_back(forma(Tipo::Poligono, vertices, relleno));
}

void Dibujo::linea(std::span<const Punto> puntos, int grosor, Color color) {
    formas_.push_back(forma(Tipo::Linea, puntos, color));
    formas_.back().grosor = grosor;
}

void Dibujo::texto(Punto base, std::string_view utf8, LetraDibujo letra, Alineacion alineacion, Color color) {
    Forma f = forma(Tipo::Texto, std::span(&base, 1), color);
    f.texto = utf8;
    f.letra = letra;
    f.alineacion = alineacion;
    formas_.push_back(std::move(f));
}

void Dibujo::incluir(const Dibujo& otro, Punto origen, double escala) {
    auto medida = [escala](int v) { return static_cast<int>(std::lround(v * escala)); };
    for (Forma f : otro.formas_) {
        for (Punto& p : f.puntos) p = {origen.x + medida(p.x), origen.y + medida(p.y)};
        f.grosor = std::max(f.grosor == 0 ? 0 : 1, medida(f.grosor));
        f.letra.tamanio = std::max(1, medida(f.letra.tamanio));
        formas_.push_back(std::move(f));
    }
}

void Dibujo::reproducir(Lienzo& lienzo) const {
    for (const Forma& f : formas_) {
        switch (f.tipo) {
            case Tipo::Rectangulo:
                lienzo.rectangulo(f.puntos[0], f.puntos[1].x - f.puntos[0].x, f.puntos[1].y - f.puntos[0].y,
                                  f.color);
                break;
            case Tipo::Poligono:
                lienzo.poligono(f.puntos, f.color);
                break;
            case Tipo::Linea:
                lienzo.linea(f.puntos, f.grosor, f.color);
                break;
            case Tipo::Texto:
                lienzo.texto(f.puntos[0], f.texto, f.letra, f.alineacion, f.color);
                break;
        }
    }
}

Encaje encajar(int anchoDibujo, int altoDibujo, double anchoEspacio, double altoEspacio) noexcept {
    if (anchoDibujo <= 0 || altoDibujo <= 0) return {};
    const double escala = std::min(anchoEspacio / anchoDibujo, altoEspacio / altoDibujo);
    return {escala, (anchoEspacio - anchoDibujo * escala) / 2, (altoEspacio - altoDibujo * escala) / 2};
}

}  // namespace tarvolo
