#include "grafico_canal.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "lienzo_svg.h"
#include "texto_csv.h"

namespace tarvolo {

namespace {

// The plot's frame; the title above, the weeks and the legend below.
constexpr int kIzquierda = 1100, kDerecha = 14100, kArriba = 1150, kAbajo = 6900;
constexpr int kCentro = kAnchoGrafico / 2;

constexpr Color kBlanco{255, 255, 255}, kNegro{0, 0, 0}, kGris{80, 80, 80};
constexpr Color kColorCasos{26, 35, 126};
struct Banda {
    const char* nombre;
    Color color;
};
constexpr std::array<Banda, 4> kBandas{{{"Éxito", {156, 204, 101}},
                                        {"Seguridad", {255, 238, 88}},
                                        {"Alerta", {255, 167, 38}},
                                        {"Epidemia", {229, 115, 115}}}};

// The vertical scale: from 0 to a round maximum in steps of 1, 2 or 5 times
// a power of ten, about five of them.
class Escala {
public:
    explicit Escala(double mayor) {
        const double crudo = std::max(mayor * 1.05, 1.0) / 5;
        const double potencia = std::pow(10.0, std::floor(std::log10(crudo)));
        paso_ = potencia;
        for (double m : {1.0, 2.0, 5.0, 10.0}) {
            paso_ = std::max(1.0, m * potencia);
            if (paso_ >= crudo) break;
        }
        maximo_ = std::ceil(std::max(mayor * 1.05, 1.0) / paso_) * paso_;
    }
    double paso() const noexcept { return paso_; }
    double maximo() const noexcept { return maximo_; }
    int y(double valor) const noexcept {
        const double alto = kAbajo - kArriba;
        return kAbajo - static_cast<int>(std::lround(std::clamp(valor / maximo_, 0.0, 1.0) * alto));
    }

private:
    double paso_ = 1, maximo_ = 1;
};

int xSemana(int semana, int semanas) {
    return kIzquierda + (2 * semana - 1) * (kDerecha - kIzquierda) / (2 * semanas);
}

std::string entero(std::int64_t n) {
    std::string s;
    agregarEntero(s, n);
    return s;
}

// The band between two curves, drawn across the whole width.
void banda(Lienzo& lienzo, const std::vector<int>& abajo, const std::vector<int>& arriba, Color color) {
    const int semanas = static_cast<int>(abajo.size());
    std::vector<Punto> v{{kIzquierda, abajo.front()}};
    for (int s = 1; s <= semanas; ++s)
        v.push_back({xSemana(s, semanas), abajo[static_cast<std::size_t>(s - 1)]});
    v.push_back({kDerecha, abajo.back()});
    v.push_back({kDerecha, arriba.back()});
    for (int s = semanas; s >= 1; --s)
        v.push_back({xSemana(s, semanas), arriba[static_cast<std::size_t>(s - 1)]});
    v.push_back({kIzquierda, arriba.front()});
    lienzo.poligono(v, color);
}

// A point of the cases' line: an octagon, which every surface fills alike.
void marca(Lienzo& lienzo, Punto c) {
    constexpr int a = 55, b = 23;  // 55 twips across the middle, cos and sin of 22.5 degrees
    const std::array<Punto, 8> v{{{c.x + a, c.y + b},
                                  {c.x + b, c.y + a},
                                  {c.x - b, c.y + a},
                                  {c.x - a, c.y + b},
                                  {c.x - a, c.y - b},
                                  {c.x - b, c.y - a},
                                  {c.x + b, c.y - a},
                                  {c.x + a, c.y - b}}};
    lienzo.poligono(v, kColorCasos);
}

void leyenda(Lienzo& lienzo, const Canal& canal) {
    constexpr int kLinea = 8150, kEntre = 2700;
    int x = kIzquierda;
    const LetraDibujo letra{180, false};
    for (const auto& b : kBandas) {
        lienzo.rectangulo({x, kLinea - 160}, 300, 200, b.color);
        lienzo.texto({x + 400, kLinea}, b.nombre, letra, Alineacion::kIzquierda, kNegro);
        x += kEntre;
    }
    const std::array<Punto, 2> tramo{{{x, kLinea - 60}, {x + 300, kLinea - 60}}};
    lienzo.linea(tramo, 36, kColorCasos);
    marca(lienzo, {x + 150, kLinea - 60});
    lienzo.texto({x + 400, kLinea}, "Casos " + std::to_string(canal.anio), letra, Alineacion::kIzquierda,
                 kNegro);
}

std::string subtitulo(const Canal& canal) {
    std::string s = "Método: " + std::string(nombreMetodo(canal.metodo)) + " · historia: ";
    for (std::size_t i = 0; i < canal.historia.size(); ++i)
        s += (i == 0 ? "" : ", ") + std::to_string(canal.historia[i]);
    if (canal.porPoblacion) s += " · tasas por 100 000 habitantes";
    return s;
}

}  // namespace

std::string tituloCanal(const Canal& canal) {
    return "Canal endémico " + std::to_string(canal.anio);
}

void dibujarCanal(Lienzo& lienzo, const Canal& canal) {
    lienzo.rectangulo({0, 0}, kAnchoGrafico, kAltoGrafico, kBlanco);
    lienzo.texto({kCentro, 480}, tituloCanal(canal), {300, true}, Alineacion::kCentro, kNegro);
    lienzo.texto({kCentro, 830}, subtitulo(canal), {190, false}, Alineacion::kCentro, kGris);

    double mayor = 0;
    for (const auto& f : canal.filas)
        mayor = std::max({mayor, f.limites.superior, static_cast<double>(f.casos.value_or(0))});
    const Escala escala(mayor);
    std::array<std::vector<int>, 5> curvas;  // 0, lower, central, upper, the top
    for (const auto& f : canal.filas) {
        curvas[0].push_back(escala.y(0));
        curvas[1].push_back(escala.y(f.limites.inferior));
        curvas[2].push_back(escala.y(f.limites.central));
        curvas[3].push_back(escala.y(f.limites.superior));
        curvas[4].push_back(escala.y(escala.maximo()));
    }
    if (!canal.filas.empty())
        for (std::size_t i = 0; i < kBandas.size(); ++i)
            banda(lienzo, curvas[i], curvas[i + 1], kBandas[i].color);

    const LetraDibujo pequena{150, false};
    for (double v = 0; v <= escala.maximo() + escala.paso() / 2; v += escala.paso()) {
        const int y = escala.y(v);
        if (v > 0) {
            const std::array<Punto, 2> guia{{{kIzquierda, y}, {kDerecha, y}}};
            lienzo.linea(guia, 8, kBlanco);
        }
        lienzo.texto({kIzquierda - 90, y + 50}, entero(std::llround(v)), pequena, Alineacion::kDerecha,
                     kNegro);
    }
    const std::array<Punto, 3> ejes{{{kIzquierda, kArriba}, {kIzquierda, kAbajo}, {kDerecha, kAbajo}}};
    lienzo.linea(ejes, 12, kNegro);
    lienzo.texto({kIzquierda - 90, kArriba - 170}, "Casos", {170, false}, Alineacion::kDerecha, kNegro);
    const int semanas = static_cast<int>(canal.filas.size());
    for (int s = 1; s <= semanas; ++s)
        lienzo.texto({xSemana(s, semanas), kAbajo + 230}, std::to_string(s), {140, false},
                     Alineacion::kCentro, kNegro);
    lienzo.texto({(kIzquierda + kDerecha) / 2, kAbajo + 520}, "Semana epidemiológica", {170, false},
                 Alineacion::kCentro, kNegro);

    // The cases: one line for each run of weeks that has them.
    std::vector<Punto> tramo;
    auto trazar = [&] {
        if (!tramo.empty()) lienzo.linea(tramo, 36, kColorCasos);
        for (const Punto& p : tramo) marca(lienzo, p);
        tramo.clear();
    };
    for (const auto& f : canal.filas) {
        if (!f.casos) {
            trazar();
            continue;
        }
        tramo.push_back({xSemana(f.semana, semanas), escala.y(static_cast<double>(*f.casos))});
    }
    trazar();
    leyenda(lienzo, canal);
}

std::string svgCanal(const Canal& canal) {
    LienzoSvg lienzo(kAnchoGrafico, kAltoGrafico, tituloCanal(canal));
    dibujarCanal(lienzo, canal);
    return lienzo.documento();
}

}  // namespace tarvolo
