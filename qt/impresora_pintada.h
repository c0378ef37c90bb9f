#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <functional>
#include <memory>

#include "servicios/impresora.h"

namespace tarvolo {

// A printer drawn with QPainter, in the QPrinter's device pixels. What kind of
// QPrinter (a print queue, a PDF file) is left to `preparar`, which runs at
// the first operation that needs the device and may throw ErrorImpresion;
// constructing one never touches the print system.
class ImpresoraPintada : public Impresora {
public:
    using Preparar = std::function<std::unique_ptr<QPrinter>()>;

    explicit ImpresoraPintada(Preparar preparar);
    ~ImpresoraPintada() override;

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

private:
    QPrinter& dispositivo();
    QPainter& pintor();
    QFontMetricsF medidas();

    Preparar preparar_;
    std::unique_ptr<QPrinter> impresora_;
    std::unique_ptr<QPainter> pintor_;  // non-null while a document is open
    QFont fuente_;
    float x_ = 0.0f;
    float y_ = 0.0f;
};

// The lines of a text as the printer breaks them: at each CR LF (or lone LF).
// A text that ends with a line break has an empty last line.
QStringList lineasImpresas(std::string_view texto);

}  // namespace tarvolo
