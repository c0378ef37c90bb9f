#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string_view>

#include "dibujo.h"

namespace tarvolo {

// A failure of the printer: no printer, a document it refuses, a document
// that cannot be finished.
class ErrorImpresion : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The default printer, as the year listing is printed on it: a current font,
// a current print position and a document opened at the first printed text.
// Lengths are in the printer's own unit; texts are UTF-8. Any operation may
// throw ErrorImpresion.
class Impresora {
public:
    virtual ~Impresora() = default;
    virtual void fijarFuente(std::string_view nombre) = 0;
    virtual void fijarNegrita(bool negrita) = 0;
    virtual void fijarTamano(float puntos) = 0;
    virtual float altoTexto(std::string_view texto) = 0;   // all its lines
    virtual float anchoTexto(std::string_view texto) = 0;  // its widest line
    virtual float altoPagina() = 0;
    virtual float anchoPagina() = 0;
    virtual void fijarY(float y) = 0;
    virtual void fijarX(float x) = 0;
    // Prints at the current position; each CR LF starts a new line at the
    // left edge, and afterwards the position is the start of the next line.
    virtual void imprimir(std::string_view texto) = 0;
    // A page that is one drawing, as the first thing printed: the page is
    // turned landscape when the drawing is wider than tall, and the drawing
    // fitted to it with its proportions kept and centred. finDocumento()
    // still ends the document.
    virtual void imprimirDibujo(const Dibujo& pagina) = 0;
    virtual void finDocumento() = 0;
};

// A printer made for one press of the print button.
using FabricaImpresora = std::function<std::unique_ptr<Impresora>()>;

}  // namespace tarvolo
