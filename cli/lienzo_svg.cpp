#include "lienzo_svg.h"

#include "texto_csv.h"

namespace tarvolo {

namespace {

// One attribute: ` nombre="valor"`.
void atributo(std::string& s, std::string_view nombre, std::string_view valor) {
    s += ' ';
    s += nombre;
    s += "=\"";
    s += valor;
    s += '"';
}

void atributo(std::string& s, std::string_view nombre, int valor) {
    std::string cifras;
    agregarEntero(cifras, valor);
    atributo(s, nombre, cifras);
}

void atributo(std::string& s, std::string_view nombre, Color c) {
    constexpr char kCifras[] = "0123456789abcdef";
    std::string rgb = "#";
    for (std::uint8_t v : {c.r, c.g, c.b}) {
        rgb += kCifras[v >> 4];
        rgb += kCifras[v & 15];
    }
    atributo(s, nombre, rgb);
}

void atributo(std::string& s, std::string_view nombre, std::span<const Punto> puntos) {
    std::string lista;
    for (std::size_t i = 0; i < puntos.size(); ++i) {
        if (i > 0) lista += ' ';
        agregarEntero(lista, puntos[i].x);
        lista += ',';
        agregarEntero(lista, puntos[i].y);
    }
    atributo(s, nombre, lista);
}

// Text as XML character data.
void agregarEscapado(std::string& s, std::string_view texto) {
    for (char c : texto) {
        switch (c) {
            case '&':
                s += "&amp;";
                break;
            case '<':
                s += "&lt;";
                break;
            case '>':
                s += "&gt;";
                break;
            default:
                s += c;
        }
    }
}

// A length in points, from twips: "720" or "720.05".
void agregarPuntosTipograficos(std::string& s, int twips) {
    agregarEntero(s, twips / 20);
    if (const int centesimas = twips % 20 * 5; centesimas != 0) {
        s += centesimas < 10 ? ".0" : ".";
        agregarEntero(s, centesimas);
    }
}

}  // namespace

LienzoSvg::LienzoSvg(int ancho, int alto, std::string_view titulo) {
    cuerpo_ =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
        "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" "
        "\"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\"";
    std::string largo;
    agregarPuntosTipograficos(largo, ancho);
    atributo(cuerpo_, "width", largo + "pt");
    largo.clear();
    agregarPuntosTipograficos(largo, alto);
    atributo(cuerpo_, "height", largo + "pt");
    atributo(cuerpo_, "viewBox", "0 0 " + std::to_string(ancho) + " " + std::to_string(alto));
    cuerpo_ += ">\n<title>";
    agregarEscapado(cuerpo_, titulo);
    cuerpo_ += "</title>\n";
}

void LienzoSvg::rectangulo(Punto esquina, int ancho, int alto, Color relleno) {
    cuerpo_ += "<rect";
    atributo(cuerpo_, "x", esquina.x);
    atributo(cuerpo_, "y", esquina.y);
    atributo(cuerpo_, "width", ancho);
    atributo(cuerpo_, "height", alto);
    atributo(cuerpo_, "fill", relleno);
    cuerpo_ += "/>\n";
}

void LienzoSvg::poligono(std::span<const Punto> vertices, Color relleno) {
    cuerpo_ += "<polygon";
    atributo(cuerpo_, "points", vertices);
    atributo(cuerpo_, "fill", relleno);
    cuerpo_ += "/>\n";
}

void LienzoSvg::linea(std::span<const Punto> puntos, int grosor, Color color) {
    cuerpo_ += "<polyline";
    atributo(cuerpo_, "points", puntos);
    atributo(cuerpo_, "fill", "none");
    atributo(cuerpo_, "stroke", color);
    atributo(cuerpo_, "stroke-width", grosor);
    atributo(cuerpo_, "stroke-linejoin", "round");
    atributo(cuerpo_, "stroke-linecap", "round");
    cuerpo_ += "/>\n";
}

void LienzoSvg::texto(Punto base, std::string_view utf8, LetraDibujo letra, Alineacion alineacion, Color color) {
    cuerpo_ += "<text";
    atributo(cuerpo_, "x", base.x);
    atributo(cuerpo_, "y", base.y);
    atributo(cuerpo_, "font-family", "DejaVu Sans, Arial, Helvetica, sans-serif");
    atributo(cuerpo_, "font-size", letra.tamanio);
    if (letra.negrita) atributo(cuerpo_, "font-weight", "bold");
    if (alineacion != Alineacion::kIzquierda)
        atributo(cuerpo_, "text-anchor", alineacion == Alineacion::kCentro ? "middle" : "end");
    atributo(cuerpo_, "fill", color);
    cuerpo_ += '>';
    agregarEscapado(cuerpo_, utf8);
    cuerpo_ += "</text>\n";
}

std::string LienzoSvg::documento() const {
    return cuerpo_ + "</svg>\n";
}

}  // namespace tarvolo
