#include "windows/frm_hoy.h"

#include "entorno_formularios.h"

namespace tarvolo::prueba {
namespace {

using FrmHoyTest = EntornoFormularios;

TEST_F(FrmHoyTest, DescribesTodayOnFirstOfJanuary2005) {
    reloj.fijar(2005y / std::chrono::January / 1);
    const VentanaGrabada& w = abrir("frmHoy");
    EXPECT_EQ(w.texto("lblSemana"),
              "El sábado 01 de enero de 2005\r\n es el 7º día de la semana epidemiológica 52,\r\n"
              "cuatrisemana 13\r\ndel año epidemiológico 2004");
    EXPECT_TRUE(mensajes.textos.empty());
}

TEST_F(FrmHoyTest, TextIsComputedAtLoadOnlyAndAgainOnReopening) {
    const std::string antes = abrir("frmHoy").texto("lblSemana");
    reloj.fijar(2005y / std::chrono::March / 6);
    EXPECT_EQ(abrir("frmHoy").texto("lblSemana"), antes);  // brought forward, not reloaded
    ventanas.descargar("frmHoy");
    EXPECT_TRUE(abrir("frmHoy").texto("lblSemana").starts_with("El domingo 06 de marzo"));
}

TEST_F(FrmHoyTest, EnterAndTheButtonClose) {
    abrir("frmHoy").tecla(VentanaGrabada::Tecla::Enter);
    EXPECT_TRUE(abiertas().empty());
    abrir("frmHoy").pulsar("cmdAceptar");
    EXPECT_TRUE(abiertas().empty());
}

struct Ruta {
    const char* entrada;
    Textos quedan;
};

void PrintTo(const Ruta& c, std::ostream* os) {
    *os << c.entrada;
}

class FrmHoyMenuTest : public EntornoFormularios, public ::testing::WithParamInterface<Ruta> {};

TEST_P(FrmHoyMenuTest, MenuLeavesTheRightWindowsOpen) {
    abrir("frmHoy").elegir(GetParam().entrada);
    EXPECT_EQ(abiertas(), GetParam().quedan);
    EXPECT_TRUE(mensajes.textos.empty());
}

INSTANTIATE_TEST_SUITE_P(Rutas, FrmHoyMenuTest,
                         ::testing::Values(Ruta{"mnuSalir", {}}, Ruta{"mnuAnio", {"frmRango"}},
                                           Ruta{"mnuDia", {"frmDia"}},
                                           Ruta{"mnuAbout", {"frmHoy", "frmAbout"}}));

}  // namespace
}  // namespace tarvolo::prueba
