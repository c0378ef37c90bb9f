#include "impresora_pintada.h"

#include <QFontDatabase>
#include <QRegularExpression>
#include <algorithm>

#include "shell/programa.h"

namespace tarvolo {

QStringList lineasImpresas(const QString& texto) {
    static const QRegularExpression salto(QStringLiteral("\r?\n"));
    return texto.split(salto);
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
        impresora_->setDocName(tituloPrograma());
    }
    return *impresora_;
}

QFontMetricsF ImpresoraPintada::medidas() {
    return QFontMetricsF(fuente_, &dispositivo());
}

void ImpresoraPintada::fijarFuente(const QString& nombre) {
    // No name means the desktop's plain face.
    fuente_.setFamily(nombre.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()
                                       : nombre);
}

void ImpresoraPintada::fijarNegrita(bool negrita) {
    fuente_.setBold(negrita);
}

void ImpresoraPintada::fijarTamano(float puntos) {
    fuente_.setPointSizeF(puntos);
}

float ImpresoraPintada::altoTexto(const QString& texto) {
    return static_cast<float>(lineasImpresas(texto).size() * medidas().lineSpacing());
}

float ImpresoraPintada::anchoTexto(const QString& texto) {
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

void ImpresoraPintada::imprimir(const QString& texto) {
    if (!pintor_) {
        auto pintor = std::make_unique<QPainter>();
        if (!pintor->begin(&dispositivo())) throw ErrorImpresion("la impresora no acepta el documento");
        pintor_ = std::move(pintor);
    }
    pintor_->setFont(fuente_);
    const QFontMetricsF fm(fuente_, &dispositivo());
    for (const QString& linea : lineasImpresas(texto)) {
        pintor_->drawText(QPointF(x_, y_ + fm.ascent()), linea);
        x_ = 0.0f;
        y_ += static_cast<float>(fm.lineSpacing());
    }
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
