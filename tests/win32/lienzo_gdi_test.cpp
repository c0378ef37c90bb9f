// Charts drawn with GDI: the endemic channel's chart and a drawing of the
// test's own, painted through LienzoGdi into an enhanced metafile and read
// back record by record, shape for shape against the drawing's own shapes:
// kind, colour, vertices, widths, texts and their letters. Not pixels: the
// faces differ from one system to the next, the shapes must not.

#include "win32/lienzo_gdi.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "cli/canal.h"
#include "cli/grafico_canal.h"
#include "servicios/dibujo.h"
#include "win32/texto_utf16.h"

namespace tarvolo {
namespace {

using namespace std::chrono;
using Tipo = Dibujo::Tipo;

// Wednesday 18 June 2025: the target year's cases reach week 25.
constexpr Fecha kHoy{year{2025}, June, day{18}};

// A shape as GDI was told to draw it, in the metafile's logical units.
struct Trazo {
    Tipo tipo = Tipo::Rectangulo;
    std::vector<POINT> puntos = {};
    COLORREF color = 0;
    int grosor = 0;  // a pen's width
    std::wstring texto = {};
    int alto = 0;  // a letter's height
    bool negrita = false;
    UINT alineacion = 0;  // TA_LEFT, TA_CENTER or TA_RIGHT
    std::wstring cara = {};
};

// What is selected into the device as the records go by: a metafile's
// objects by their index in its table.
struct Lectura {
    struct Estado {
        COLORREF relleno = 0, pluma = 0, texto = 0;
        int grosor = 0;
        LOGFONTW letra{};
        UINT alineacion = 0;
    };
    std::map<DWORD, Estado> objetos;  // one field or two of each are the object's own
    std::map<DWORD, int> clases;      // 0 brush, 1 pen, 2 font
    Estado actual;
    std::vector<Estado> guardados;
    std::vector<Trazo> trazos;

    template <typename P>
    void puntos(Tipo tipo, const P* desde, DWORD cuantos, bool conPluma) {
        Trazo t{.tipo = tipo, .color = conPluma ? actual.pluma : actual.relleno};
        if (conPluma) t.grosor = actual.grosor;
        for (DWORD i = 0; i < cuantos; ++i) t.puntos.push_back({desde[i].x, desde[i].y});
        trazos.push_back(std::move(t));
    }

    void pluma(DWORD indice, DWORD estilo, int grosor, COLORREF color) {
        EXPECT_EQ(estilo & PS_TYPE_MASK, static_cast<DWORD>(PS_GEOMETRIC));
        EXPECT_EQ(estilo & PS_ENDCAP_MASK, static_cast<DWORD>(PS_ENDCAP_ROUND));
        EXPECT_EQ(estilo & PS_JOIN_MASK, static_cast<DWORD>(PS_JOIN_ROUND));
        objetos[indice].pluma = color;
        objetos[indice].grosor = grosor;
        clases[indice] = 1;
    }

    void registro(const ENHMETARECORD* r) {
        const auto* bytes = reinterpret_cast<const BYTE*>(r);
        switch (r->iType) {
            case EMR_CREATEBRUSHINDIRECT: {
                const auto* b = reinterpret_cast<const EMRCREATEBRUSHINDIRECT*>(r);
                objetos[b->ihBrush].relleno = b->lb.lbColor;
                clases[b->ihBrush] = 0;
                break;
            }
            case EMR_EXTCREATEPEN: {
                const auto* p = reinterpret_cast<const EMREXTCREATEPEN*>(r);
                pluma(p->ihPen, p->elp.elpPenStyle, static_cast<int>(p->elp.elpWidth), p->elp.elpColor);
                break;
            }
            case EMR_CREATEPEN: {
                // Wine keeps an extended pen as a plain one, its style bits whole.
                const auto* p = reinterpret_cast<const EMRCREATEPEN*>(r);
                pluma(p->ihPen, p->lopn.lopnStyle, static_cast<int>(p->lopn.lopnWidth.x), p->lopn.lopnColor);
                break;
            }
            case EMR_EXTCREATEFONTINDIRECTW: {
                const auto* f = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(r);
                objetos[f->ihFont].letra = f->elfw.elfLogFont;
                clases[f->ihFont] = 2;
                break;
            }
            case EMR_SELECTOBJECT: {
                const DWORD i = reinterpret_cast<const EMRSELECTOBJECT*>(r)->ihObject;
                // A stock object: the null pen and brush, which draw nothing.
                if ((i & 0x80000000U) != 0U) break;
                const Estado& o = objetos.at(i);
                switch (clases.at(i)) {
                    case 0:
                        actual.relleno = o.relleno;
                        break;
                    case 1:
                        actual.pluma = o.pluma;
                        actual.grosor = o.grosor;
                        break;
                    default:
                        actual.letra = o.letra;
                        break;
                }
                break;
            }
            case EMR_SETTEXTCOLOR:
                actual.texto = reinterpret_cast<const EMRSETTEXTCOLOR*>(r)->crColor;
                break;
            case EMR_SETTEXTALIGN:
                actual.alineacion = reinterpret_cast<const EMRSETTEXTALIGN*>(r)->iMode;
                break;
            case EMR_SAVEDC:
                guardados.push_back(actual);
                break;
            case EMR_RESTOREDC:
                if (!guardados.empty()) {
                    actual = guardados.back();
                    guardados.pop_back();
                }
                break;
            case EMR_RECTANGLE: {
                const RECTL& c = reinterpret_cast<const EMRRECTANGLE*>(r)->rclBox;
                trazos.push_back({.tipo = Tipo::Rectangulo,
                                  .puntos = {{c.left, c.top}, {c.right, c.bottom}},
                                  .color = actual.relleno});
                break;
            }
            case EMR_POLYGON16: {
                const auto* p = reinterpret_cast<const EMRPOLYGON16*>(r);
                puntos(Tipo::Poligono, p->apts, p->cpts, false);
                break;
            }
            case EMR_POLYGON: {
                const auto* p = reinterpret_cast<const EMRPOLYGON*>(r);
                puntos(Tipo::Poligono, p->aptl, p->cptl, false);
                break;
            }
            case EMR_POLYLINE16: {
                const auto* p = reinterpret_cast<const EMRPOLYLINE16*>(r);
                puntos(Tipo::Linea, p->apts, p->cpts, true);
                break;
            }
            case EMR_POLYLINE: {
                const auto* p = reinterpret_cast<const EMRPOLYLINE*>(r);
                puntos(Tipo::Linea, p->aptl, p->cptl, true);
                break;
            }
            case EMR_EXTTEXTOUTW: {
                const EMRTEXT& e = reinterpret_cast<const EMREXTTEXTOUTW*>(r)->emrtext;
                const auto* texto = reinterpret_cast<const wchar_t*>(bytes + e.offString);
                trazos.push_back({.tipo = Tipo::Texto,
                                  .puntos = {{e.ptlReference.x, e.ptlReference.y}},
                                  .color = actual.texto,
                                  .texto = std::wstring(texto, e.nChars),
                                  .alto = static_cast<int>(-actual.letra.lfHeight),
                                  .negrita = actual.letra.lfWeight >= FW_BOLD,
                                  .alineacion = actual.alineacion & (TA_CENTER | TA_RIGHT | TA_LEFT),
                                  .cara = actual.letra.lfFaceName});
                // Every text stands on its baseline.
                EXPECT_EQ(actual.alineacion & TA_BASELINE, static_cast<UINT>(TA_BASELINE));
                break;
            }
            default:
                break;
        }
    }
};

// The shapes `dibujo` leaves in a metafile when painted into `espacio`.
std::vector<Trazo> trazosDe(const Dibujo& dibujo, const RECT& espacio) {
    const HDC dc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    pintarDibujo(dc, dibujo, espacio);
    const HENHMETAFILE metarchivo = CloseEnhMetaFile(dc);
    Lectura lectura;
    EnumEnhMetaFile(
        nullptr, metarchivo,
        [](HDC, HANDLETABLE*, const ENHMETARECORD* r, int, LPARAM l) -> int {
            reinterpret_cast<Lectura*>(l)->registro(r);
            return 1;
        },
        &lectura, nullptr);
    DeleteEnhMetaFile(metarchivo);
    return lectura.trazos;
}

void cerca(POINT visto, double x, double y, const char* que) {
    // Within the one unit a rounding may move it.
    EXPECT_LE(std::abs(visto.x - x), 1.0) << que;
    EXPECT_LE(std::abs(visto.y - y), 1.0) << que;
}

// Each recorded shape against its metafile record, in order.
void compararTrazos(const Dibujo& dibujo, const RECT& espacio) {
    Encaje e =
        encajar(dibujo.ancho(), dibujo.alto(), espacio.right - espacio.left, espacio.bottom - espacio.top);
    e.dx += espacio.left;
    e.dy += espacio.top;
    const auto x = [&](int v) { return e.dx + v * e.escala; };
    const auto y = [&](int v) { return e.dy + v * e.escala; };
    const std::vector<Trazo> trazos = trazosDe(dibujo, espacio);
    ASSERT_EQ(trazos.size(), dibujo.formas().size());
    for (std::size_t i = 0; i < trazos.size(); ++i) {
        const Dibujo::Forma& f = dibujo.formas()[i];
        const Trazo& t = trazos[i];
        SCOPED_TRACE("forma " + std::to_string(i) + " " + f.texto);
        ASSERT_EQ(t.tipo, f.tipo);
        EXPECT_EQ(t.color, RGB(f.color.r, f.color.g, f.color.b));
        switch (f.tipo) {
            case Tipo::Rectangulo:
                cerca(t.puntos[0], x(f.puntos[0].x), y(f.puntos[0].y), "esquina");
                // Without a pen GDI fills one unit less each way, and is
                // handed one more; Wine's metafile records the box filled,
                // Windows's the box handed: half a unit more, give or take one.
                cerca(t.puntos[1], x(f.puntos[1].x) + 0.5, y(f.puntos[1].y) + 0.5, "esquina opuesta");
                break;
            case Tipo::Poligono:
            case Tipo::Linea:
                ASSERT_EQ(t.puntos.size(), f.puntos.size());
                for (std::size_t j = 0; j < t.puntos.size(); ++j)
                    cerca(t.puntos[j], x(f.puntos[j].x), y(f.puntos[j].y), "vértice");
                if (f.tipo == Tipo::Linea) {
                    EXPECT_NEAR(t.grosor, std::max(1.0, f.grosor * e.escala), 1.0);
                }
                break;
            case Tipo::Texto: {
                cerca(t.puntos[0], x(f.puntos[0].x), y(f.puntos[0].y), "base");
                EXPECT_EQ(t.texto, utf16DeUtf8(f.texto));
                EXPECT_NEAR(t.alto, f.letra.tamanio * e.escala, 1.0);
                EXPECT_EQ(t.negrita, f.letra.negrita);
                const UINT alineacion = f.alineacion == Alineacion::kCentro    ? TA_CENTER
                                        : f.alineacion == Alineacion::kDerecha ? TA_RIGHT
                                                                               : TA_LEFT;
                EXPECT_EQ(t.alineacion, alineacion);
                EXPECT_EQ(t.cara, LienzoGdi::cara());
                break;
            }
        }
    }
}

// A small channel: five years of history around 10 cases a week, an
// outbreak in the target year's weeks 20 to 23.
Canal canalPequeno(Metodo metodo) {
    std::map<int, ConteoAnio> datos;
    for (int anio = 2020; anio <= 2025; ++anio) {
        ConteoAnio c;
        c.anio = anio;
        c.semanas = anio == 2020 || anio == 2025 ? 53 : 52;
        for (int s = 1; s <= c.semanas; ++s)
            c.casos[static_cast<std::size_t>(s - 1)] =
                6 + (s * 7 + anio) % 9 + (anio == 2025 && s >= 20 ? 25 : 0);
        datos[anio] = c;
    }
    OpcionesCanal o;
    o.anio = 2025;
    o.metodo = metodo;
    return calcularCanal(datos, o, kHoy);
}

int cuantas(const Dibujo& d, Tipo tipo) {
    return static_cast<int>(std::count_if(d.formas().begin(), d.formas().end(),
                                          [&](const Dibujo::Forma& f) { return f.tipo == tipo; }));
}

TEST(LienzoGdi, TheChannelsChartGoesToGdiShapeByShape) {
    for (const Metodo metodo : {Metodo::kCuartiles, Metodo::kBortman}) {
        Dibujo grafico(kAnchoGrafico, kAltoGrafico);
        dibujarCanal(grafico, canalPequeno(metodo));
        // Every kind of shape is there to be compared.
        for (const Tipo tipo : {Tipo::Poligono, Tipo::Linea, Tipo::Texto})
            ASSERT_GT(cuantas(grafico, tipo), 0) << static_cast<int>(tipo);
        // Wider than the chart (bands at the sides), then taller (above and below).
        for (const RECT espacio : {RECT{0, 0, 1200, 500}, RECT{13, 40, 613, 1040}}) {
            SCOPED_TRACE(std::to_string(espacio.right) + "x" + std::to_string(espacio.bottom));
            compararTrazos(grafico, espacio);
        }
    }
}

TEST(LienzoGdi, LettersAlignmentsThinLinesAndRectanglesKeepTheirShape) {
    Dibujo d(2000, 1000);
    d.rectangulo({100, 100}, 600, 300, {250, 240, 10});
    const Punto triangulo[] = {{1000, 900}, {1500, 100}, {1900, 900}};
    d.poligono(triangulo, {0, 128, 255});
    const Punto quebrada[] = {{0, 0}, {500, 700}, {1200, 300}, {2000, 1000}};
    d.linea(quebrada, 1, {1, 2, 3});  // thinner than a unit: one unit wide
    d.linea(quebrada, 60, {200, 0, 0});
    d.texto({1000, 500}, "Año 2025 — señal", {240, true}, Alineacion::kCentro, {10, 20, 30});
    d.texto({1990, 990}, "derecha", {160, false}, Alineacion::kDerecha, {0, 0, 0});
    d.texto({10, 300}, "izquierda", {400, false}, Alineacion::kIzquierda, {90, 90, 90});
    for (const RECT espacio : {RECT{0, 0, 2000, 1000}, RECT{5, 5, 305, 905}, RECT{0, 0, 4000, 1000}}) {
        SCOPED_TRACE(std::to_string(espacio.right) + "x" + std::to_string(espacio.bottom));
        compararTrazos(d, espacio);
    }
}

TEST(LienzoGdi, AnEmptyOrSizelessDrawingPaintsNothing) {
    EXPECT_TRUE(trazosDe(Dibujo(1000, 1000), {0, 0, 100, 100}).empty());
    Dibujo sinTamano;
    sinTamano.rectangulo({0, 0}, 10, 10, {0, 0, 0});
    EXPECT_TRUE(trazosDe(sinTamano, {0, 0, 100, 100}).empty());
}

}  // namespace
}  // namespace tarvolo
