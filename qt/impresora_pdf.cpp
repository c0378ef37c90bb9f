#include "impresora_pdf.h"

namespace tarvolo {

ImpresoraPdf::ImpresoraPdf(const QString& archivo)
    : ImpresoraPintada([archivo] {
          auto impresora = std::make_unique<QPrinter>(QPrinter::HighResolution);
          impresora->setOutputFormat(QPrinter::PdfFormat);
          impresora->setOutputFileName(archivo);
          return impresora;
      }) {}

}  // namespace tarvolo
