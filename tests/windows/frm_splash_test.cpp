#include "windows/frm_splash.h"

#include "entorno_formularios.h"

namespace tarvolo::prueba {
namespace {

class FrmSplashTest : public EntornoFormularios {
protected:
    FrmSplashTest() : EntornoFormularios("frmSplash") {}
};

TEST_F(FrmSplashTest, TextsAndTimer) {
    EXPECT_EQ(w().titulo(), "Tarvolo");
    EXPECT_EQ(w().texto("lblProductName"), "Tarvolo");
    EXPECT_EQ(w().texto("lblVersion"), "Versión 1.3.2");
    EXPECT_EQ(w().texto("Label1"), "Semanas Epidemiológicas");
    EXPECT_EQ(w().texto("Label2"), "Castmara");
    EXPECT_TRUE(w().texto("lblWarning").starts_with("Desarrollo: "));
    EXPECT_EQ(w().control("Timer1").intervalo, 3000);
    EXPECT_TRUE(w().corriendo("Timer1"));
}

TEST_F(FrmSplashTest, ClosesByItselfWhenItsTimerFires) {
    w().disparar("Timer1");
    EXPECT_FALSE(abierto());
}

TEST_F(FrmSplashTest, AnyKeyClosesIt) {
    for (const auto tecla :
         {VentanaGrabada::Tecla::Otra, VentanaGrabada::Tecla::Esc, VentanaGrabada::Tecla::Enter}) {
        abrir("frmSplash").tecla(tecla);
        EXPECT_FALSE(abierto());
    }
}

TEST_F(FrmSplashTest, AClickOnTheFrameClosesItAndOneOnALabelDoesNot) {
    w().pulsar("lblProductName");
    w().pulsar("Picture3");
    EXPECT_TRUE(abierto());
    w().pulsar("Frame1");
    EXPECT_FALSE(abierto());
}

}  // namespace
}  // namespace tarvolo::prueba
