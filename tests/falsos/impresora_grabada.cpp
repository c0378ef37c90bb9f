#include "impresora_grabada.h"

#include <algorithm>
#include <sstream>

namespace tarvolo {

namespace {

std::string numero(float valor) {
    std::ostringstream s;
    s.precision(9);
    s << valor;
    return s.str();
}

// Characters, not bytes: the widths count what the page shows.
std::size_t caracteres(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

std::vector<std::string_view> lineasDe(std::string_view texto) {
    std::vector<std::string_view> lineas;
    for (;;) {
        const std::size_t fin = texto.find('\n');
        std::string_view linea = texto.substr(0, fin);
        if (!linea.empty() && linea.back() == '\r') linea.remove_suffix(1);
        lineas.push_back(linea);
        if (fin == std::string_view::npos) return lineas;
        texto.remove_prefix(fin + 1);
    }
}

void ImpresoraGrabada::imprimirDibujo(const Dibujo& dibujo) {
    grabar("imprimirDibujo", std::to_string(dibujo.ancho()) + "x" + std::to_string(dibujo.alto()));
    if (pagina != nullptr) *pagina = dibujo;
}

void ImpresoraGrabada::grabar(std::string_view operacion, std::string_view argumento) {
    llamadas_.push_back(std::string(operacion) + '(' + std::string(argumento) + ')');
    if (operacion == fallarEn) throw ErrorImpresion("fallo preparado: " + std::string(operacion));
}

void ImpresoraGrabada::fijarFuente(std::string_view nombre) {
    grabar("fijarFuente", nombre);
}

void ImpresoraGrabada::fijarNegrita(bool negrita) {
    grabar("fijarNegrita", negrita ? "true" : "false");
}

void ImpresoraGrabada::fijarTamano(float puntos) {
    grabar("fijarTamano", numero(puntos));
}

float ImpresoraGrabada::altoTexto(std::string_view texto) {
    grabar("altoTexto", texto);
    return static_cast<float>(lineasDe(texto).size()) * altoLinea;
}

float ImpresoraGrabada::anchoTexto(std::string_view texto) {
    grabar("anchoTexto", texto);
    std::size_t mas = 0;
    for (const std::string_view linea : lineasDe(texto)) mas = std::max(mas, caracteres(linea));
    return static_cast<float>(mas) * anchoCaracter;
}

float ImpresoraGrabada::altoPagina() {
    grabar("altoPagina");
    return alto;
}

float ImpresoraGrabada::anchoPagina() {
    grabar("anchoPagina");
    return ancho;
}

void ImpresoraGrabada::fijarY(float y) {
    grabar("fijarY", numero(y));
}

void ImpresoraGrabada::fijarX(float x) {
    grabar("fijarX", numero(x));
}

void ImpresoraGrabada::imprimir(std::string_view texto) {
    grabar("imprimir", texto);
}

void ImpresoraGrabada::finDocumento() {
    grabar("finDocumento");
}

}  // namespace tarvolo
