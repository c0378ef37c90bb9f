#pragma once

#include <QString>
#include <QStringList>

#include "windows/impresion/impresora.h"

namespace tarvolo {

// A printer for tests: appends every call as "operacion(argumento)" to a
// list its creator keeps (so it outlives the printer), measures with fixed
// sizes per line and per character, and throws ErrorImpresion from the
// operation named in `fallarEn`, after recording it.
class ImpresoraGrabada final : public Impresora {
public:
    explicit ImpresoraGrabada(QStringList& llamadas) : llamadas_(llamadas) {}

    void fijarFuente(const QString& nombre) override;
    void fijarNegrita(bool negrita) override;
    void fijarTamano(float puntos) override;
    float altoTexto(const QString& texto) override;
    float anchoTexto(const QString& texto) override;
    float altoPagina() override;
    float anchoPagina() override;
    void fijarY(float y) override;
    void fijarX(float x) override;
    void imprimir(const QString& texto) override;
    void finDocumento() override;

    QString fallarEn;
    float altoLinea = 240.0f;  // a 12-point line in twips
    float anchoCaracter = 120.0f;
    float alto = 15840.0f;   // 11 inches
    float ancho = 12240.0f;  // 8.5 inches

private:
    QStringList& llamadas_;
    void grabar(const QString& operacion, const QString& argumento = {});
};

}  // namespace tarvolo
