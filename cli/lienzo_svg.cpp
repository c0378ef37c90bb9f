#include "lienzo_svg.h"

#include "texto_csv.h"

namespace tarvolo {

namespace {

void agregarColor(std::string& s, Color c) {
    constexpr char kCifras[] = "0123456789abcdef";
    s += '#';
    for (std::uint8_t v : {c.r, c.g, c.b}) {
        s += kCifras[v >> 4];
        s += kCifras[v & 15];
    }
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

void agregarPuntos(std::string& s, std::span<const Punto> puntos) {
    s += " points=\"";
    for (std::size_t i = 0; i < puntos.size(); ++i) {
        if (i > 0) s += ' ';
        agregarEntero(s, puntos[i].x);
        s += ',';
        agregarEntero(s, puntos[i].y);
    }
    s += '"';
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
        "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"";
    agregarPuntosTipograficos(cuerpo_, ancho);
    cuerpo_ += "pt\" height=\"";
    agregarPuntosTipograficos(cuerpo_, alto);
    cuerpo_ += "pt\" viewBox=\"0 0 ";
    agregarEntero(cuerpo_, ancho);
    cuerpo_ += ' ';
    agregarEntero(cuerpo_, alto);
    cuerpo_ += "\">\n<title>";
    agregarEscapado(cuerpo_, titulo);
    cuerpo_ += "</title>\n";
}

void LienzoSvg::rectangulo(Punto esquina, int ancho, int alto, Color relleno) {
    cuerpo_ += "<rect x=\"";
    agregarEntero(cuerpo_, esquina.x);
    cuerpo_ += "\" y=\"";
    agregarEntero(cuerpo_, esquina.y);
    cuerpo_ += "\" width=\"";
    agregarEntero(cuerpo_, ancho);
    cuerpo_ += "\" height=\"";
    agregarEntero(cuerpo_, alto);
    cuerpo_ += "\" fill=\"";
    agregarColor(cuerpo_, relleno);
    cuerpo_ += "\"/>\n";
}

void LienzoSvg::poligono(std::span<const Punto> vertices, Color relleno) {
    cuerpo_ += "<polygon";
    agregarPuntos(cuerpo_, vertices);
    cuerpo_ += " fill=\"";
    agregarColor(cuerpo_, relleno);
    cuerpo_ += "\"/>\n";
}

void LienzoSvg::linea(std::span<const Punto> puntos, int grosor, Color color) {
    cuerpo_ += "<polyline";
    agregarPuntos(cuerpo_, puntos);
    cuerpo_ += " fill=\"none\" stroke=\"";
    agregarColor(cuerpo_, color);
    cuerpo_ += "\" stroke-width=\"";
    agregarEntero(cuerpo_, grosor);
    cuerpo_ += "\" stroke-linejoin=\"round\" stroke-linecap=\"round\"/>\n";
}

void LienzoSvg::texto(Punto base, std::string_view utf8, Letra letra, Alineacion alineacion, Color color) {
    cuerpo_ += "<text x=\"";
    agregarEntero(cuerpo_, base.x);
    cuerpo_ += "\" y=\"";
    agregarEntero(cuerpo_, base.y);
    cuerpo_ += "\" font-family=\"DejaVu Sans, Arial, Helvetica, sans-serif\" font-size=\"";
    agregarEntero(cuerpo_, letra.tamanio);
    cuerpo_ += letra.negrita ? "\" font-weight=\"bold" : "";
    cuerpo_ += alineacion == Alineacion::kCentro    ? "\" text-anchor=\"middle"
               : alineacion == Alineacion::kDerecha ? "\" text-anchor=\"end"
                                                    : "";
    cuerpo_ += "\" fill=\"";
    agregarColor(cuerpo_, color);
    cuerpo_ += "\">";
    agregarEscapado(cuerpo_, utf8);
    cuerpo_ += "</text>\n";
}

std::string LienzoSvg::documento() const {
    return cuerpo_ + "</svg>\n";
}

}  // namespace tarvolo
