#include "formas.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace tarvolo::prueba {

namespace {

const char* nombreTipo(Dibujo::Tipo tipo) {
    switch (tipo) {
        case Dibujo::Tipo::Rectangulo:
            return "rectangle";
        case Dibujo::Tipo::Poligono:
            return "polygon";
        case Dibujo::Tipo::Linea:
            return "line";
        case Dibujo::Tipo::Texto:
            return "text";
    }
    return "?";
}

std::string colorTexto(Color c) {
    std::ostringstream s;
    s << '(' << int{c.r} << ',' << int{c.g} << ',' << int{c.b} << ')';
    return s.str();
}

class Informe {
public:
    Informe(std::vector<std::string>& lineas, std::size_t forma, const Dibujo::Forma& esperada)
        : lineas_(lineas),
          prefijo_("shape " + std::to_string(forma) + " (" + nombreTipo(esperada.tipo) +
                   (esperada.texto.empty() ? "" : " \"" + esperada.texto + "\"") + "): ") {}
    void cerca(const std::string& que, double visto, double esperado, double tolerancia) {
        if (std::abs(visto - esperado) > tolerancia) fallo(que, visto, esperado);
    }
    template <typename T>
    void igual(const std::string& que, const T& visto, const T& esperado) {
        if (!(visto == esperado)) fallo(que, visto, esperado);
    }

private:
    template <typename T>
    void fallo(const std::string& que, const T& visto, const T& esperado) {
        std::ostringstream s;
        s << prefijo_ << que << " is " << visto << ", expected " << esperado;
        lineas_.push_back(s.str());
    }
    std::vector<std::string>& lineas_;
    std::string prefijo_;
};

}  // namespace

std::vector<std::string> diferencias(const Dibujo& dibujo, const Encaje& encaje,
                                     const std::vector<FormaVista>& vistas, double tolerancia) {
    std::vector<std::string> lineas;
    const auto& formas = dibujo.formas();
    if (formas.size() != vistas.size())
        lineas.push_back(std::to_string(vistas.size()) + " shapes drawn, expected " +
                         std::to_string(formas.size()));
    const auto x = [&](int v) { return encaje.dx + v * encaje.escala; };
    const auto y = [&](int v) { return encaje.dy + v * encaje.escala; };
    for (std::size_t i = 0; i < std::min(formas.size(), vistas.size()); ++i) {
        const Dibujo::Forma& f = formas[i];
        const FormaVista& v = vistas[i];
        Informe informe(lineas, i, f);
        if (f.tipo != v.tipo) {
            informe.igual<std::string>("kind", nombreTipo(v.tipo), nombreTipo(f.tipo));
            continue;
        }
        informe.igual("colour", colorTexto(v.color), colorTexto(f.color));
        switch (f.tipo) {
            case Dibujo::Tipo::Rectangulo: {
                if (v.puntos.size() != 2) {
                    informe.igual("corners", v.puntos.size(), std::size_t{2});
                    break;
                }
                const auto [x0, x1] = std::minmax(v.puntos[0].first, v.puntos[1].first);
                const auto [y0, y1] = std::minmax(v.puntos[0].second, v.puntos[1].second);
                informe.cerca("left", x0, x(std::min(f.puntos[0].x, f.puntos[1].x)), tolerancia);
                informe.cerca("right", x1, x(std::max(f.puntos[0].x, f.puntos[1].x)), tolerancia);
                informe.cerca("top", y0, y(std::min(f.puntos[0].y, f.puntos[1].y)), tolerancia);
                informe.cerca("bottom", y1, y(std::max(f.puntos[0].y, f.puntos[1].y)), tolerancia);
                break;
            }
            case Dibujo::Tipo::Linea:
                informe.cerca("width", v.grosor, f.grosor * encaje.escala, tolerancia);
                [[fallthrough]];
            case Dibujo::Tipo::Poligono:
                if (v.puntos.size() != f.puntos.size()) {
                    informe.igual("vertices", v.puntos.size(), f.puntos.size());
                    break;
                }
                for (std::size_t p = 0; p < f.puntos.size(); ++p) {
                    informe.cerca("x of vertex " + std::to_string(p), v.puntos[p].first, x(f.puntos[p].x),
                                  tolerancia);
                    informe.cerca("y of vertex " + std::to_string(p), v.puntos[p].second, y(f.puntos[p].y),
                                  tolerancia);
                }
                break;
            case Dibujo::Tipo::Texto: {
                informe.igual("text", v.texto, f.texto);
                informe.igual("bold", v.negrita, f.letra.negrita);
                informe.cerca("size", v.tamanio, f.letra.tamanio * encaje.escala, tolerancia);
                if (v.puntos.size() != 1) {
                    informe.igual("base points", v.puntos.size(), std::size_t{1});
                    break;
                }
                const double parte = f.alineacion == Alineacion::kIzquierda ? 0
                                     : f.alineacion == Alineacion::kCentro  ? 0.5
                                                                            : 1;
                informe.cerca("aligned x", v.puntos[0].first + v.anchoTexto * parte, x(f.puntos[0].x),
                              tolerancia);
                informe.cerca("baseline", v.puntos[0].second, y(f.puntos[0].y), tolerancia);
                break;
            }
        }
    }
    return lineas;
}

namespace {

using Atributos = std::map<std::string, std::string, std::less<>>;

Atributos atributosDe(const std::string& etiqueta) {
    static const std::regex atributo(R"re(([A-Za-z][\w:-]*)="([^"]*)")re");
    Atributos a;
    for (auto it = std::sregex_iterator(etiqueta.begin(), etiqueta.end(), atributo);
         it != std::sregex_iterator(); ++it)
        a[(*it)[1]] = (*it)[2];
    return a;
}

const std::string& atributo(const Atributos& a, std::string_view nombre) {
    const auto it = a.find(nombre);
    if (it == a.end()) throw std::runtime_error("missing attribute " + std::string(nombre));
    return it->second;
}

int entero(const std::string& texto) {
    std::size_t usado = 0;
    const int valor = std::stoi(texto, &usado);
    if (usado != texto.size()) throw std::runtime_error("not a whole number: " + texto);
    return valor;
}

Color color(const std::string& texto) {
    if (texto.size() != 7 || texto[0] != '#') throw std::runtime_error("not an RGB colour: " + texto);
    const auto componente = [&](std::size_t i) {
        return static_cast<std::uint8_t>(std::stoi(texto.substr(i, 2), nullptr, 16));
    };
    return {componente(1), componente(3), componente(5)};
}

std::vector<Punto> puntos(const std::string& texto) {
    std::vector<Punto> lista;
    std::istringstream s(texto);
    std::string par;
    while (s >> par) {
        const std::size_t coma = par.find(',');
        if (coma == std::string::npos) throw std::runtime_error("not a point: " + par);
        lista.push_back({entero(par.substr(0, coma)), entero(par.substr(coma + 1))});
    }
    return lista;
}

void exigir(const Atributos& a, std::string_view nombre, std::string_view valor) {
    if (atributo(a, nombre) != valor)
        throw std::runtime_error(std::string(nombre) + " is " + atributo(a, nombre) + ", not " +
                                 std::string(valor));
}

std::string sinEscapes(std::string_view texto) {
    static const std::pair<std::string_view, char> kEntidades[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}};
    std::string s;
    for (std::size_t i = 0; i < texto.size();) {
        bool hecho = false;
        for (const auto& [entidad, c] : kEntidades) {
            if (texto.substr(i, entidad.size()) == entidad) {
                s += c;
                i += entidad.size();
                hecho = true;
                break;
            }
        }
        if (!hecho) s += texto[i++];
    }
    return s;
}

}  // namespace

Dibujo dibujoDeSvg(std::string_view svg) {
    std::unique_ptr<Dibujo> dibujo;
    std::size_t i = 0;
    while ((i = svg.find('<', i)) != std::string_view::npos) {
        const std::size_t fin = svg.find('>', i);
        if (fin == std::string_view::npos) throw std::runtime_error("unterminated tag");
        const std::string etiqueta(svg.substr(i + 1, fin - i - 1));
        const std::string nombre = etiqueta.substr(0, etiqueta.find_first_of(" \n/"));
        const Atributos a = atributosDe(etiqueta);
        i = fin + 1;
        if (nombre == "svg") {
            std::istringstream caja(atributo(a, "viewBox"));
            int x0 = 0, y0 = 0, ancho = 0, alto = 0;
            caja >> x0 >> y0 >> ancho >> alto;
            if (x0 != 0 || y0 != 0) throw std::runtime_error("viewBox off the origin");
            dibujo = std::make_unique<Dibujo>(ancho, alto);
            continue;
        }
        const bool forma =
            nombre == "rect" || nombre == "polygon" || nombre == "polyline" || nombre == "text";
        if (!forma) continue;
        if (!dibujo) throw std::runtime_error(nombre + " before the svg element");
        if (nombre == "rect") {
            dibujo->rectangulo({entero(atributo(a, "x")), entero(atributo(a, "y"))},
                               entero(atributo(a, "width")), entero(atributo(a, "height")),
                               color(atributo(a, "fill")));
        } else if (nombre == "polygon") {
            if (a.contains("stroke")) throw std::runtime_error("an outlined polygon");
            dibujo->poligono(puntos(atributo(a, "points")), color(atributo(a, "fill")));
        } else if (nombre == "polyline") {
            exigir(a, "fill", "none");
            exigir(a, "stroke-linejoin", "round");
            exigir(a, "stroke-linecap", "round");
            dibujo->linea(puntos(atributo(a, "points")), entero(atributo(a, "stroke-width")),
                          color(atributo(a, "stroke")));
        } else {
            exigir(a, "font-family", "DejaVu Sans, Arial, Helvetica, sans-serif");
            const std::size_t cierre = svg.find("</text>", i);
            if (cierre == std::string_view::npos) throw std::runtime_error("unterminated text");
            const auto ancla = a.find("text-anchor");
            Alineacion alineacion = Alineacion::kIzquierda;
            if (ancla != a.end() && ancla->second == "middle")
                alineacion = Alineacion::kCentro;
            else if (ancla != a.end() && ancla->second == "end")
                alineacion = Alineacion::kDerecha;
            else if (ancla != a.end())
                throw std::runtime_error("text-anchor " + ancla->second);
            const auto peso = a.find("font-weight");
            dibujo->texto({entero(atributo(a, "x")), entero(atributo(a, "y"))},
                          sinEscapes(svg.substr(i, cierre - i)),
                          {entero(atributo(a, "font-size")), peso != a.end() && peso->second == "bold"},
                          alineacion, color(atributo(a, "fill")));
            i = cierre + 7;
        }
    }
    if (!dibujo) throw std::runtime_error("no svg element");
    return std::move(*dibujo);
}

}  // namespace tarvolo::prueba
