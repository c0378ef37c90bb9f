#include "shell/instancia_unica.h"

#include <gtest/gtest.h>

#include <QWidget>

#include "calendar/error_ejecucion.h"
#include "calendar/reloj.h"
#include "falsos/canal_falso.h"
#include "falsos/mensajes_grabados.h"
#include "falsos/reloj_fijo.h"
#include "shell/mensajes.h"
#include "shell/ventanas.h"

namespace tarvolo {
namespace {

using namespace std::chrono;

class InstanciaUnicaTest : public ::testing::Test {
protected:
    InstanciaUnicaTest() {
        ventanas.registrar(QStringLiteral("frmHoy"), [this] {
            ++cargasHoy;
            if (fallar) throw ErrorEjecucion::desbordamiento();
            return new QWidget;
        });
        ventanas.registrar(QStringLiteral("frmDia"), [] { return new QWidget; });
    }
    ~InstanciaUnicaTest() override { ventanas.descargarTodas(); }

    Ventanas ventanas;
    MensajesGrabados mensajes;
    RelojFijo reloj{Fecha{year{2024}, February, day{17}}};
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
    EXPECT_EQ(ventanas.abierta(QStringLiteral("frmHoy")), nullptr);
}

TEST_F(InstanciaUnicaTest, EveryLaterStartBringsTheOneCurrentWeekWindowForward) {
    ASSERT_FALSE(cederALaQueCorre(canal, servicios));
    QWidget* dia = ventanas.mostrar(QStringLiteral("frmDia"));
    canal.otroInicio();
    QWidget* hoy = ventanas.abierta(QStringLiteral("frmHoy"));
    ASSERT_NE(hoy, nullptr);
    EXPECT_TRUE(hoy->isVisible());
    canal.otroInicio();
    EXPECT_EQ(ventanas.abierta(QStringLiteral("frmHoy")), hoy);
    EXPECT_EQ(cargasHoy, 1);
    // The other windows stay as the user left them.
    EXPECT_EQ(ventanas.abierta(QStringLiteral("frmDia")), dia);
    EXPECT_TRUE(mensajes.textos.isEmpty());
}

TEST_F(InstanciaUnicaTest, AnErrorShowingTheWindowGoesToTheMessageBoxAndTheProgramGoesOn) {
    ASSERT_FALSE(cederALaQueCorre(canal, servicios));
    fallar = true;
    canal.otroInicio();
    EXPECT_EQ(mensajes.textos, QStringList{QStringLiteral("Desbordamiento")});
    fallar = false;
    canal.otroInicio();
    EXPECT_NE(ventanas.abierta(QStringLiteral("frmHoy")), nullptr);
}

TEST_F(InstanciaUnicaTest, WithoutAChannelTheProgramStillStarts) {
    canal.puedeEscuchar = false;
    EXPECT_FALSE(cederALaQueCorre(canal, servicios));
    EXPECT_EQ(canal.escuchas, 1);
}

}  // namespace
}  // namespace tarvolo
