#include "shell/instancia_unica.h"

#include <gtest/gtest.h>

#include "calendar/error_ejecucion.h"
#include "falsos/canal_falso.h"
#include "falsos/formulario_simple.h"
#include "falsos/mensajes_grabados.h"
#include "falsos/pantalla_grabada.h"
#include "falsos/reloj_fijo.h"

namespace tarvolo {
namespace {

using namespace std::chrono;

class InstanciaUnicaTest : public ::testing::Test {
protected:
    InstanciaUnicaTest() {
        ventanas.registrar("frmHoy", [this] {
            ++cargasHoy;
            if (fallar) throw ErrorEjecucion::desbordamiento();
            return std::make_unique<prueba::FormularioSimple>("frmHoy", hoy);
        });
        ventanas.registrar("frmDia",
                           [this] { return std::make_unique<prueba::FormularioSimple>("frmDia", dia); });
    }
    prueba::FormularioSimple::Cuentas hoy, dia;
    MensajesGrabados mensajes;
    RelojFijo reloj{Fecha{year{2024}, February, day{17}}};
    prueba::PantallaGrabada pantalla{reloj};
    Ventanas ventanas{pantalla};
    Servicios servicios{ventanas, mensajes, reloj};
    CanalFalso canal;
    int cargasHoy = 0;
    bool fallar = false;
};

TEST_F(InstanciaUnicaTest, AStartThatReachesTheRunningProgramEndsWithoutListeningOrShowing) {
    canal.otraCorre = true;
    EXPECT_TRUE(cederALaQueCorre(canal, servicios));
    EXPECT_EQ(canal.avisos, 1);
    EXPECT_EQ(canal.escuchas, 0);
    EXPECT_EQ(cargasHoy, 0);
}

TEST_F(InstanciaUnicaTest, TheFirstStartListensAndShowsNothingYet) {
    EXPECT_FALSE(cederALaQueCorre(canal, servicios));
    EXPECT_EQ(canal.avisos, 1);
    EXPECT_EQ(canal.escuchas, 1);
    EXPECT_EQ(ventanas.abierta("frmHoy"), nullptr);
}

TEST_F(InstanciaUnicaTest, EveryLaterStartBringsTheOneCurrentWeekWindowForward) {
    ASSERT_FALSE(cederALaQueCorre(canal, servicios));
    const Formulario* frmDia = ventanas.mostrar("frmDia");
    canal.otroInicio();
    const Formulario* frmHoy = ventanas.abierta("frmHoy");
    ASSERT_NE(frmHoy, nullptr);
    EXPECT_EQ(pantalla.ventana("frmHoy")->vecesMostrada(), 1);
    canal.otroInicio();
    EXPECT_EQ(ventanas.abierta("frmHoy"), frmHoy);
    EXPECT_EQ(pantalla.ventana("frmHoy")->vecesMostrada(), 2);
    EXPECT_EQ(cargasHoy, 1);
    // The other windows stay as the user left them.
    EXPECT_EQ(ventanas.abierta("frmDia"), frmDia);
    EXPECT_TRUE(mensajes.textos.empty());
}

TEST_F(InstanciaUnicaTest, AnErrorShowingTheWindowGoesToTheMessageBoxAndTheProgramGoesOn) {
    ASSERT_FALSE(cederALaQueCorre(canal, servicios));
    fallar = true;
    canal.otroInicio();
    EXPECT_EQ(mensajes.textos, std::vector<std::string>{"Desbordamiento"});
    fallar = false;
    canal.otroInicio();
    EXPECT_NE(ventanas.abierta("frmHoy"), nullptr);
}

TEST_F(InstanciaUnicaTest, WithoutAChannelTheProgramStillStarts) {
    canal.puedeEscuchar = false;
    EXPECT_FALSE(cederALaQueCorre(canal, servicios));
    EXPECT_EQ(canal.escuchas, 1);
}

}  // namespace
}  // namespace tarvolo
