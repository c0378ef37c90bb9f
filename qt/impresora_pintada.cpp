#include "impresora_pintada.h"

#include <QFontDatabase>
#include <QRegularExpression>
#include <algorithm>

#include "disposicion.h"
#include "lienzo_qt.h"
#include "shell/programa.h"

namespace tarvolo {

QStringList lineasImpresas(std::string_view texto) {
    static const QRegularExpression salto(QStringLiteral("\r?\n"));
    return aQt(texto).split(salto);
}

ImpresoraPintada::ImpresoraPintada(Preparar preparar) : preparar_(std::move(preparar)) {}

// The painter must end before its device goes away.
ImpresoraPintada::~ImpresoraPintada() {
    pintor_.reset();
}

QPrinter& ImpresoraPintada::dispositivo() {
    if (!impresora_) {
        impresora_ = preparar_();
        if (!impresora_) throw ErrorImpresion("no hay impresora");
        // The job's name in the print queue.
        impresora_->setDocName(aQt(kTituloPrograma));
    }
    return *impresora_;
}

QFontMetricsF ImpresoraPintada::medidas() {
    return QFontMetricsF(fuente_, &dispositivo());
}

void ImpresoraPintada::fijarFuente(std::string_view nombre) {
    // No name means the desktop's plain face.
    fuente_.setFamily(nombre.empty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()
                                     : aQt(nombre));
}

void ImpresoraPintada::fijarNegrita(bool negrita) {
    fuente_.setBold(negrita);
}

void ImpresoraPintada::fijarTamano(float puntos) {
    fuente_.setPointSizeF(puntos);
}

float ImpresoraPintada::altoTexto(std::string_view texto) {
    return static_cast<float>(lineasImpresas(texto).size() * medidas().lineSpacing());
}

float ImpresoraPintada::anchoTexto(std::string_view texto) {
    const QFontMetricsF fm = medidas();
    qreal ancho = 0;
    for (const QString& linea : lineasImpresas(texto)) ancho = std::max(ancho, fm.horizontalAdvance(linea));
    return static_cast<float>(ancho);
}

float ImpresoraPintada::altoPagina() {
    return static_cast<float>(dispositivo().height());
}

float ImpresoraPintada::anchoPagina() {
    return static_cast<float>(dispositivo().width());
}

void ImpresoraPintada::fijarY(float y) {
    y_ = y;
}

void ImpresoraPintada::fijarX(float x) {
    x_ = x;
}

QPainter& ImpresoraPintada::pintor() {
    if (!pintor_) {
        auto pintor = std::make_unique<QPainter>();
        if (!pintor->begin(&dispositivo())) throw ErrorImpresion("la impresora no acepta el documento");
        pintor_ = std::move(pintor);
    }
    return *pintor_;
}

void ImpresoraPintada::imprimir(std::string_view texto) {
    pintor().setFont(fuente_);
    const QFontMetricsF fm(fuente_, &dispositivo());
    for (const QString& linea : lineasImpresas(texto)) {
        pintor_->drawText(QPointF(x_, y_ + fm.ascent()), linea);
        x_ = 0.0f;
        y_ += static_cast<float>(fm.lineSpacing());
    }
}

void ImpresoraPintada::imprimirDibujo(const Dibujo& pagina) {
    // The page turns before the document opens: afterwards the printer keeps
    // the first page as it began.
    if (!pintor_)
        dispositivo().setPageOrientation(pagina.ancho() > pagina.alto() ? QPageLayout::Landscape
                                                                        : QPageLayout::Portrait);
    QPainter& p = pintor();
    // The painter's origin is the printable area's corner.
    pintarDibujo(p, pagina, QRectF(0, 0, dispositivo().width(), dispositivo().height()));
}

void ImpresoraPintada::finDocumento() {
    if (!pintor_) return;  // nothing was printed: there is no document to hand over
    const bool terminado = pintor_->end();
    pintor_.reset();
    const bool fallo = impresora_->printerState() == QPrinter::Error;
    impresora_.reset();
    x_ = y_ = 0.0f;
    if (!terminado || fallo) throw ErrorImpresion("la impresora no pudo terminar el documento");
}

}  // namespace tarvolo
