#include "lienzo_gdi.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "caras_win32.h"
#include "texto_utf16.h"

namespace tarvolo {

namespace {

COLORREF rgb(Color c) {
    return RGB(c.r, c.g, c.b);
}

}  // namespace

const std::wstring& LienzoGdi::cara() {
    static const std::wstring cara = existeCara(L"Arial") ? std::wstring(L"Arial") : caraDelSistema();
    return cara;
}

LienzoGdi::LienzoGdi(HDC dc, Encaje encaje) : dc_(dc), encaje_(encaje), guardado_(SaveDC(dc)) {
    SetBkMode(dc_, TRANSPARENT);
    SelectObject(dc_, GetStockObject(NULL_PEN));
    SelectObject(dc_, GetStockObject(NULL_BRUSH));
}

LienzoGdi::~LienzoGdi() {
    // Restoring deselects what was made here before it is deleted.
    RestoreDC(dc_, guardado_);
    if (relleno_ != nullptr) DeleteObject(relleno_);
    for (const auto& [clave, f] : fuentes_) DeleteObject(f);
}

POINT LienzoGdi::punto(Punto p) const {
    return {std::lround(encaje_.dx + p.x * encaje_.escala), std::lround(encaje_.dy + p.y * encaje_.escala)};
}

int LienzoGdi::medida(int twips) const {
    return static_cast<int>(std::lround(twips * encaje_.escala));
}

void LienzoGdi::rellenoDe(Color color) {
    const HBRUSH nuevo = CreateSolidBrush(rgb(color));
    SelectObject(dc_, nuevo);
    if (relleno_ != nullptr) DeleteObject(relleno_);
    relleno_ = nuevo;
    SelectObject(dc_, GetStockObject(NULL_PEN));
}

void LienzoGdi::rectangulo(Punto esquina, int ancho, int alto, Color relleno) {
    rellenoDe(relleno);
    const POINT a = punto(esquina), b = punto({esquina.x + ancho, esquina.y + alto});
    // Without a pen GDI fills one unit less each way: this covers a to b, as
    // FillRect would.
    Rectangle(dc_, a.x, a.y, b.x + 1, b.y + 1);
}

void LienzoGdi::poligono(std::span<const Punto> vertices, Color relleno) {
    if (vertices.size() < 3) return;
    rellenoDe(relleno);
    std::vector<POINT> puntos;
    puntos.reserve(vertices.size());
    for (const Punto& p : vertices) puntos.push_back(punto(p));
    Polygon(dc_, puntos.data(), static_cast<int>(puntos.size()));
}

void LienzoGdi::linea(std::span<const Punto> puntos, int grosor, Color color) {
    if (puntos.size() < 2) return;
    const LOGBRUSH trazo{BS_SOLID, rgb(color), 0};
    const HPEN pluma = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                                    static_cast<DWORD>(std::max(1, medida(grosor))), &trazo, 0, nullptr);
    if (pluma == nullptr) return;
    std::vector<POINT> vertices;
    vertices.reserve(puntos.size());
    for (const Punto& p : puntos) vertices.push_back(punto(p));
    SelectObject(dc_, GetStockObject(NULL_BRUSH));
    SelectObject(dc_, pluma);
    Polyline(dc_, vertices.data(), static_cast<int>(vertices.size()));
    SelectObject(dc_, GetStockObject(NULL_PEN));
    DeleteObject(pluma);
}

HFONT LienzoGdi::fuente(LetraDibujo letra) {
    const auto clave = std::make_pair(std::max(1, medida(letra.tamanio)), letra.negrita);
    if (const auto it = fuentes_.find(clave); it != fuentes_.end()) return it->second;
    LOGFONTW lf{};
    // Negative: the letters' own height, as a size in points is.
    lf.lfHeight = -clave.first;
    lf.lfWeight = letra.negrita ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    lf.lfQuality = ANTIALIASED_QUALITY;
    lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    cara().copy(lf.lfFaceName, LF_FACESIZE - 1);
    return fuentes_[clave] = CreateFontIndirectW(&lf);
}

void LienzoGdi::texto(Punto base, std::string_view utf8, LetraDibujo letra, Alineacion alineacion,
                      Color color) {
    const std::wstring texto = utf16DeUtf8(utf8);
    if (texto.empty()) return;
    const HFONT f = fuente(letra);
    if (f == nullptr) return;
    SelectObject(dc_, f);
    const UINT horizontal = alineacion == Alineacion::kCentro    ? TA_CENTER
                            : alineacion == Alineacion::kDerecha ? TA_RIGHT
                                                                 : TA_LEFT;
    SetTextAlign(dc_, TA_BASELINE | TA_NOUPDATECP | horizontal);
    SetTextColor(dc_, rgb(color));
    const POINT p = punto(base);
    TextOutW(dc_, p.x, p.y, texto.c_str(), static_cast<int>(texto.size()));
}

void pintarDibujo(HDC dc, const Dibujo& dibujo, const RECT& espacio) {
    if (dibujo.vacio() || dibujo.ancho() <= 0 || dibujo.alto() <= 0) return;
    Encaje encaje =
        encajar(dibujo.ancho(), dibujo.alto(), espacio.right - espacio.left, espacio.bottom - espacio.top);
    encaje.dx += espacio.left;
    encaje.dy += espacio.top;
    const int guardado = SaveDC(dc);
    IntersectClipRect(dc, static_cast<int>(std::lround(encaje.dx)), static_cast<int>(std::lround(encaje.dy)),
                      static_cast<int>(std::lround(encaje.dx + dibujo.ancho() * encaje.escala)),
                      static_cast<int>(std::lround(encaje.dy + dibujo.alto() * encaje.escala)));
    {
        LienzoGdi lienzo(dc, encaje);
        dibujo.reproducir(lienzo);
    }
    RestoreDC(dc, guardado);
}

}  // namespace tarvolo
