#include "imprimir_listado.h"

#include "shell/programa.h"
#include "windows/creditos.h"

namespace tarvolo {

namespace {

// The printer's default face, in bold or not, at `puntos`.
void fijarLetra(Impresora& impresora, bool negrita, float puntos) {
    impresora.fijarFuente({});
    impresora.fijarNegrita(negrita);
    impresora.fijarTamano(puntos);
}

// Throws whatever the printer throws; the caller turns it into one message.
void imprimirPagina(Impresora& impresora, std::string_view listado) {
    const std::string pie = textoPie();

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

std::string textoPie() {
    std::string pie(kTituloPrograma);
    for (const std::string_view parte :
         {std::string_view("  Versión "), std::string_view(kTextoVersion), std::string_view(" - "),
          kCreditos.departamento, std::string_view(" - "), kCreditos.ministerio, std::string_view(" - "),
          kCreditos.pais, std::string_view(".")})
        pie += parte;
    return pie;
}

std::string textoConfirmacion(std::string_view clase, std::string_view anio) {
    std::string texto = clase == "Cuatrisemanas" ? "Las Cuatrisemanas Epidemiológicas del año "
                                                 : "Las Semanas Epidemiológicas del año ";
    texto += anio;
    texto += "\r\nhan sido enviadas a su impresora.";
    return texto;
}

void imprimirListado(Impresora& impresora, Mensajes& mensajes, std::string_view listado,
                     std::string_view clase, std::string_view anio) {
    try {
        imprimirPagina(impresora, listado);
    } catch (...) {
        mensajes.mostrar(kTextoProblemaImpresion);
        return;
    }
    mensajes.mostrar(textoConfirmacion(clase, anio));
}

void imprimirListado(const FabricaImpresora& fabrica, Mensajes& mensajes, std::string_view listado,
                     std::string_view clase, std::string_view anio) {
    std::unique_ptr<Impresora> impresora;
    try {
        if (fabrica) impresora = fabrica();
    } catch (...) {
        // Told below, like a missing printer.
    }
    if (!impresora) {
        mensajes.mostrar(kTextoProblemaImpresion);
        return;
    }
    imprimirListado(*impresora, mensajes, listado, clase, anio);
}

}  // namespace tarvolo
