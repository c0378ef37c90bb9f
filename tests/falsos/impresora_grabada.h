#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "servicios/impresora.h"

namespace tarvolo {

// A printer for tests: appends every call as "operacion(argumento)" to a
// list its creator keeps (so it outlives the printer), measures with fixed
// sizes per line and per character, and throws ErrorImpresion from the
// operation named in `fallarEn`, after recording it.
class ImpresoraGrabada final : public Impresora {
public:
    explicit ImpresoraGrabada(std::vector<std::string>& llamadas) : llamadas_(llamadas) {}

    void fijarFuente(std::string_view nombre) override;
    void fijarNegrita(bool negrita) override;
    void fijarTamano(float puntos) override;
    float altoTexto(std::string_view texto) override;
    float anchoTexto(std::string_view texto) override;
    float altoPagina() override;
    float anchoPagina() override;
    void fijarY(float y) override;
    void fijarX(float x) override;
    void imprimir(std::string_view texto) override;
    void imprimirDibujo(const Dibujo& pagina) override;
    void finDocumento() override;

    std::string fallarEn;
    // Where a page printed as a drawing goes, if anywhere: the printer does
    // not outlive its press.
    std::optional<Dibujo>* pagina = nullptr;
    float altoLinea = 240.0f;  // a 12-point line in twips
    float anchoCaracter = 120.0f;
    float alto = 15840.0f;   // 11 inches
    float ancho = 12240.0f;  // 8.5 inches

private:
    std::vector<std::string>& llamadas_;
    void grabar(std::string_view operacion, std::string_view argumento = {});
};

// The lines of a text as a printer breaks them: at each CR LF (or lone LF).
// A text that ends with a line break has an empty last line.
std::vector<std::string_view> lineasDe(std::string_view texto);

}  // namespace tarvolo
