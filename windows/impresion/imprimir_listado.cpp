#include "imprimir_listado.h"

#include "shell/programa.h"
#include "windows/creditos.h"

namespace tarvolo {

namespace {

// The printer's default face, in bold or not, at `puntos`.
void fijarLetra(Impresora& impresora, bool negrita, float puntos) {
    impresora.fijarFuente(QString());
    impresora.fijarNegrita(negrita);
    impresora.fijarTamano(puntos);
}

// Throws whatever the printer throws; the caller turns it into one message.
void imprimirPagina(Impresora& impresora, const QString& listado) {
    const QString pie = textoPie();

    fijarLetra(impresora, true, 12.0f);
    // Halved in single precision on purpose: the page is laid out in floats.
    const float mitadPagina = impresora.altoPagina() / 2.0f;
    impresora.fijarY(mitadPagina - impresora.altoTexto(listado) / 2.0f);
    // The listing starts at the left edge; no X is set.
    impresora.imprimir(listado);

    fijarLetra(impresora, false, 8.0f);
    // The footer stays on the line where the listing left off.
    const float mitadAncho = impresora.anchoPagina() / 2.0f;
    impresora.fijarX(mitadAncho - impresora.anchoTexto(pie) / 2.0f);
    impresora.imprimir(pie);

    impresora.finDocumento();
}

}  // namespace

QString textoPie() {
    return tituloPrograma() + QStringLiteral("  Versión ") + textoVersion() + QStringLiteral(" - ") +
           departamentoDelAutor() + QStringLiteral(" - ") + ministerioDelAutor() + QStringLiteral(" - ") +
           paisDelAutor() + QLatin1Char('.');
}

QString textoConfirmacion(const QString& clase, const QString& anio) {
    const QString inicio = clase == QStringLiteral("Cuatrisemanas")
                               ? QStringLiteral("Las Cuatrisemanas Epidemiológicas del año ")
                               : QStringLiteral("Las Semanas Epidemiológicas del año ");
    return inicio + anio + QStringLiteral("\r\nhan sido enviadas a su impresora.");
}

QString textoProblemaImpresion() {
    return QStringLiteral("Hubo un problema al imprimir.");
}

void imprimirListado(Impresora& impresora, Mensajes& mensajes, const QString& listado, const QString& clase,
                     const QString& anio) {
    try {
        imprimirPagina(impresora, listado);
    } catch (...) {
        mensajes.mostrar(textoProblemaImpresion());
        return;
    }
    mensajes.mostrar(textoConfirmacion(clase, anio));
}

void imprimirListado(const FabricaImpresora& fabrica, Mensajes& mensajes, const QString& listado,
                     const QString& clase, const QString& anio) {
    std::unique_ptr<Impresora> impresora;
    try {
        if (fabrica) impresora = fabrica();
    } catch (...) {
        // Told below, like a missing printer.
    }
    if (!impresora) {
        mensajes.mostrar(textoProblemaImpresion());
        return;
    }
    imprimirListado(*impresora, mensajes, listado, clase, anio);
}

}  // namespace tarvolo
