#include "impresora_grabada.h"

#include <algorithm>

#include "windows/impresion/impresora_pintada.h"

namespace tarvolo {

namespace {

QString numero(float valor) {
    return QString::number(valor, 'g', 9);
}

}  // namespace

void ImpresoraGrabada::grabar(const QString& operacion, const QString& argumento) {
    llamadas_.append(operacion + u'(' + argumento + u')');
    if (operacion == fallarEn) throw ErrorImpresion("fallo preparado: " + operacion.toStdString());
}

void ImpresoraGrabada::fijarFuente(const QString& nombre) {
    grabar(QStringLiteral("fijarFuente"), nombre);
}

void ImpresoraGrabada::fijarNegrita(bool negrita) {
    grabar(QStringLiteral("fijarNegrita"), negrita ? QStringLiteral("true") : QStringLiteral("false"));
}

void ImpresoraGrabada::fijarTamano(float puntos) {
    grabar(QStringLiteral("fijarTamano"), numero(puntos));
}

float ImpresoraGrabada::altoTexto(const QString& texto) {
    grabar(QStringLiteral("altoTexto"), texto);
    return static_cast<float>(lineasImpresas(texto).size()) * altoLinea;
}

float ImpresoraGrabada::anchoTexto(const QString& texto) {
    grabar(QStringLiteral("anchoTexto"), texto);
    qsizetype caracteres = 0;
    for (const QString& linea : lineasImpresas(texto)) caracteres = std::max(caracteres, linea.size());
    return static_cast<float>(caracteres) * anchoCaracter;
}

float ImpresoraGrabada::altoPagina() {
    grabar(QStringLiteral("altoPagina"));
    return alto;
}

float ImpresoraGrabada::anchoPagina() {
    grabar(QStringLiteral("anchoPagina"));
    return ancho;
}

void ImpresoraGrabada::fijarY(float y) {
    grabar(QStringLiteral("fijarY"), numero(y));
}

void ImpresoraGrabada::fijarX(float x) {
    grabar(QStringLiteral("fijarX"), numero(x));
}

void ImpresoraGrabada::imprimir(const QString& texto) {
    grabar(QStringLiteral("imprimir"), texto);
}

void ImpresoraGrabada::finDocumento() {
    grabar(QStringLiteral("finDocumento"));
}

}  // namespace tarvolo
