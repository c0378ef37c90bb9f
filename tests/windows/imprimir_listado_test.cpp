#include "windows/impresion/imprimir_listado.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "falsos/impresora_grabada.h"
#include "falsos/mensajes_grabados.h"

namespace tarvolo {
namespace {

using ::testing::ElementsAre;

const std::string kPie = "Tarvolo  Versión 1.3.2 - Ordalen - Brevanto - Castmara.";
const std::string kProblema = "Hubo un problema al imprimir.";

TEST(ImprimirListado, LlamaALaImpresoraEnOrdenConLasPosicionesCentradas) {
    std::vector<std::string> llamadas;
    ImpresoraGrabada impresora(llamadas);  // 240 per line, 120 per character, 15840 x 12240
    MensajesGrabados mensajes;
    const std::string listado = "  TITULO\r\n\r\nfila uno\r\n";  // four lines: 960 high

    imprimirListado(impresora, mensajes, listado, "Semanas", "2005");

    EXPECT_THAT(llamadas, ElementsAre("fijarFuente()", "fijarNegrita(true)", "fijarTamano(12)",
                                      "altoPagina()", "altoTexto(" + listado + ")",
                                      "fijarY(7440)",  // 15840 / 2 - 960 / 2
                                      "imprimir(" + listado + ")", "fijarFuente()", "fijarNegrita(false)",
                                      "fijarTamano(8)", "anchoPagina()", "anchoTexto(" + kPie + ")",
                                      "fijarX(2820)",  // 12240 / 2 - 55 * 120 / 2
                                      "imprimir(" + kPie + ")", "finDocumento()"));
    EXPECT_THAT(mensajes.textos,
                ElementsAre("Las Semanas Epidemiológicas del año 2005\r\nhan sido enviadas a su impresora."));
}

TEST(ImprimirListado, UnListadoMasAltoQueLaPaginaEmpiezaEnNegativoYSeImprimeIgual) {
    std::vector<std::string> llamadas;
    ImpresoraGrabada impresora(llamadas);
    MensajesGrabados mensajes;
    std::string listado;
    for (int i = 0; i < 99; ++i) listado += "fila\r\n";  // 100 lines: 24000 high

    imprimirListado(impresora, mensajes, listado, "Semanas", "2005");

    EXPECT_NE(std::find(llamadas.begin(), llamadas.end(), "fijarY(-4080)"), llamadas.end());
    EXPECT_EQ(llamadas.back(), "finDocumento()");
    ASSERT_EQ(mensajes.textos.size(), 1);
    EXPECT_TRUE(mensajes.textos[0].starts_with("Las Semanas"));
}

// A failure anywhere stops the page there and the user hears only of a problem.
class FalloDeImpresora : public ::testing::TestWithParam<const char*> {};

TEST_P(FalloDeImpresora, MuestraSoloElProblemaYNoSigue) {
    std::vector<std::string> llamadas;
    ImpresoraGrabada impresora(llamadas);
    impresora.fallarEn = GetParam();
    MensajesGrabados mensajes;

    imprimirListado(impresora, mensajes, "Text1", "Semanas", "2005");

    EXPECT_THAT(mensajes.textos, ElementsAre(kProblema));
    ASSERT_FALSE(llamadas.empty());
    EXPECT_TRUE(llamadas.back().starts_with(impresora.fallarEn + "(")) << llamadas.back();
    EXPECT_EQ(std::count(llamadas.begin(), llamadas.end(), "finDocumento()"),
              impresora.fallarEn == "finDocumento" ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Operaciones, FalloDeImpresora,
                         ::testing::Values("fijarFuente", "altoPagina", "altoTexto", "imprimir", "anchoTexto",
                                           "finDocumento"));

TEST(ImprimirListado, SinImpresoraQueFabricarSoloMuestraElProblema) {
    MensajesGrabados mensajes;
    const FabricaImpresora fabricas[] = {
        [] { return std::unique_ptr<Impresora>(); },
        []() -> std::unique_ptr<Impresora> { throw ErrorImpresion("sin cola"); },
        FabricaImpresora(),
    };
    for (const auto& fabrica : fabricas) imprimirListado(fabrica, mensajes, "Text1", "Semanas", "2005");
    EXPECT_THAT(mensajes.textos, ElementsAre(kProblema, kProblema, kProblema));
}

struct Confirmacion {
    const char* clase;
    const char* anio;
    const char* texto;
};

void PrintTo(const Confirmacion& c, std::ostream* os) {
    *os << c.clase << " " << c.anio;
}

class TextoConfirmacion : public ::testing::TestWithParam<Confirmacion> {};

TEST_P(TextoConfirmacion, NombraLaClaseExactaYElAnioComoSeEscribio) {
    const Confirmacion& c = GetParam();
    EXPECT_EQ(textoConfirmacion(c.clase, c.anio), c.texto);
}

INSTANTIATE_TEST_SUITE_P(
    Clases, TextoConfirmacion,
    ::testing::Values(
        Confirmacion{"Cuatrisemanas", "2005",
                     "Las Cuatrisemanas Epidemiológicas del año 2005\r\nhan sido enviadas a su impresora."},
        Confirmacion{"Semanas", "2005",
                     "Las Semanas Epidemiológicas del año 2005\r\nhan sido enviadas a su impresora."},
        Confirmacion{"Ambas", "2005",
                     "Las Semanas Epidemiológicas del año 2005\r\nhan sido enviadas a su impresora."},
        Confirmacion{"Semanas", "",
                     "Las Semanas Epidemiológicas del año \r\nhan sido enviadas a su impresora."},
        Confirmacion{"cuatrisemanas", " 2005x",
                     "Las Semanas Epidemiológicas del año  2005x\r\nhan sido enviadas a su impresora."},
        Confirmacion{"Cuatrisemanas ", "2005",
                     "Las Semanas Epidemiológicas del año 2005\r\nhan sido enviadas a su impresora."}));

}  // namespace
}  // namespace tarvolo
