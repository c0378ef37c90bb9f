#include "impresora_qt.h"

#include <QPrinterInfo>

namespace tarvolo {

namespace {

std::unique_ptr<QPrinter> impresoraPredeterminada() {
    const QPrinterInfo predeterminada = QPrinterInfo::defaultPrinter();
    if (predeterminada.isNull()) throw ErrorImpresion("no hay impresora predeterminada");
    return std::make_unique<QPrinter>(predeterminada, QPrinter::HighResolution);
}

}  // namespace

ImpresoraQt::ImpresoraQt() : ImpresoraPintada(impresoraPredeterminada) {}

}  // namespace tarvolo
