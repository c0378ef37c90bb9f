#include "pagina_canal.h"

#include <array>

#include "calendar/texto_fecha.h"
#include "cli/grafico_canal.h"
#include "cli/texto_csv.h"
#include "windows/impresion/imprimir_listado.h"

namespace tarvolo {

namespace {

constexpr int kAnchoPagina = 15840, kAltoPagina = 12240;
constexpr double kEscalaGrafico = 0.7;
constexpr Color kNegro{0, 0, 0};

// The table: a block for each half of the year, side by side, each column
// right-aligned on its x but the zone's.
constexpr int kArribaTabla = 6450, kAltoFila = 195, kLetraTabla = 150;
constexpr std::array<int, 2> kBloques{700, 8100};
struct Columna {
    const char* titulo;
    int x;
    Alineacion alineacion;
};
constexpr std::array<Columna, 8> kColumnas{{{"Semana", 520, Alineacion::kDerecha},
                                            {"Inicio", 1500, Alineacion::kDerecha},
                                            {"Fin", 2450, Alineacion::kDerecha},
                                            {"Inferior", 3350, Alineacion::kDerecha},
                                            {"Central", 4200, Alineacion::kDerecha},
                                            {"Superior", 5050, Alineacion::kDerecha},
                                            {"Casos", 5800, Alineacion::kDerecha},
                                            {"Zona", 6000, Alineacion::kIzquierda}}};

std::string decimal(double v) {
    std::string s;
    agregarDecimal(s, v, true);
    return s;
}

std::array<std::string, 8> celdas(const FilaCanal& f) {
    return {std::to_string(f.semana),
            textoFecha(f.inicio),
            textoFecha(f.fin),
            decimal(f.limites.inferior),
            decimal(f.limites.central),
            decimal(f.limites.superior),
            f.casos ? std::to_string(*f.casos) : std::string(),
            std::string(nombreZona(f.zona))};
}

void fila(Dibujo& d, int bloque, int y, const std::array<std::string, 8>& textos, bool negrita) {
    for (std::size_t c = 0; c < kColumnas.size(); ++c)
        d.texto({bloque + kColumnas[c].x, y}, textos[c], {kLetraTabla, negrita}, kColumnas[c].alineacion,
                kNegro);
}

}  // namespace

std::string textoVeredicto(const Canal& canal) {
    for (auto f = canal.filas.rbegin(); f != canal.filas.rend(); ++f) {
        if (!f->casos || *f->casos <= 0) continue;
        std::string s = "Semana " + std::to_string(f->semana) + " (";
        agregarFecha(s, f->inicio);
        s += " al ";
        agregarFecha(s, f->fin);
        s += "): " + std::to_string(*f->casos) + (*f->casos == 1 ? " caso" : " casos") + ", zona de ";
        s += nombreZona(f->zona);
        return s;
    }
    return "Sin casos en " + std::to_string(canal.anio) + ".";
}

Dibujo graficoCanal(const Canal& canal) {
    Dibujo d(kAnchoGrafico, kAltoGrafico);
    dibujarCanal(d, canal);
    return d;
}

Dibujo paginaCanal(const Canal& canal) {
    Dibujo pagina(kAnchoPagina, kAltoPagina);
    const int anchoGrafico = static_cast<int>(kAnchoGrafico * kEscalaGrafico);
    pagina.incluir(graficoCanal(canal), {(kAnchoPagina - anchoGrafico) / 2, 0}, kEscalaGrafico);

    const std::size_t porBloque = (canal.filas.size() + 1) / 2;
    std::array<std::string, 8> titulos;
    for (std::size_t c = 0; c < kColumnas.size(); ++c) titulos[c] = kColumnas[c].titulo;
    for (std::size_t b = 0; b < kBloques.size(); ++b) {
        fila(pagina, kBloques[b], kArribaTabla, titulos, true);
        for (std::size_t i = 0; i < porBloque && b * porBloque + i < canal.filas.size(); ++i)
            fila(pagina, kBloques[b], kArribaTabla + static_cast<int>(i + 1) * kAltoFila,
                 celdas(canal.filas[b * porBloque + i]), false);
    }
    pagina.texto({kAnchoPagina / 2, kAltoPagina - 120}, textoPie(), {160, false}, Alineacion::kCentro,
                 kNegro);
    return pagina;
}

std::string textoConfirmacionCanal(int anio) {
    return "El Canal Endémico del año " + std::to_string(anio) + "\r\nha sido enviado a su impresora.";
}

void imprimirCanal(const FabricaImpresora& fabrica, Mensajes& mensajes, const Canal& canal) {
    try {
        const std::unique_ptr<Impresora> impresora = fabrica ? fabrica() : nullptr;
        if (!impresora) throw ErrorImpresion("sin impresora");
        impresora->imprimirDibujo(paginaCanal(canal));
        impresora->finDocumento();
    } catch (...) {
        mensajes.mostrar(kTextoProblemaImpresion);
        return;
    }
    mensajes.mostrar(textoConfirmacionCanal(canal.anio));
}

}  // namespace tarvolo
