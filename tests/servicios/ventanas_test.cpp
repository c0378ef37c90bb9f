// The window services: one instance per name, loaded on first show, gone
// when unloaded by any means, and a form unloaded by its own handler gone
// only once that handler is over.
#include "servicios/ventanas.h"

#include <gtest/gtest.h>

#include "falsos/formulario_simple.h"
#include "falsos/pantalla_grabada.h"
#include "falsos/reloj_fijo.h"

namespace tarvolo::prueba {
namespace {

using namespace std::chrono_literals;

class VentanasTest : public ::testing::Test {
protected:
    VentanasTest() {
        ventanas.registrar("frmHoy", [this] { return std::make_unique<FormularioSimple>("frmHoy", hoy); });
        ventanas.registrar("frmDia", [this] { return std::make_unique<FormularioSimple>("frmDia", dia); });
    }

    RelojFijo reloj{2005y / std::chrono::March / 5};
    PantallaGrabada pantalla{reloj};
    Ventanas ventanas{pantalla};
    FormularioSimple::Cuentas hoy, dia;
};

TEST_F(VentanasTest, ShowingLoadsOnceAndThenBringsTheSameWindowForward) {
    Formulario* primera = ventanas.mostrar("frmHoy");
    ASSERT_NE(primera, nullptr);
    EXPECT_EQ(pantalla.ventana("frmHoy")->vecesMostrada(), 1);
    EXPECT_EQ(ventanas.mostrar("frmHoy"), primera);
    EXPECT_EQ(pantalla.ventana("frmHoy")->vecesMostrada(), 2);
    EXPECT_EQ(hoy.cargas, 1);
    EXPECT_EQ(ventanas.abierta("frmHoy"), primera);
    EXPECT_EQ(ventanas.abierta("frmDia"), nullptr);
}

// A release build logs the slip and shows nothing; a debug one stops there.
TEST_F(VentanasTest, AnUnknownNameShowsNothing) {
#ifdef NDEBUG
    ::testing::internal::CaptureStderr();
    const Formulario* mostrada = ventanas.mostrar("frmNinguna");
    const std::string aviso = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(mostrada, nullptr);
    EXPECT_NE(aviso.find("\"frmNinguna\""), std::string::npos) << aviso;
    EXPECT_EQ(pantalla.creadas, std::vector<std::string>{});
#else
    EXPECT_DEATH(ventanas.mostrar("frmNinguna"), "");
#endif
}

TEST_F(VentanasTest, UnloadingRunsTheUnloadHandlersAndDiscardsTheWindowAndIgnoresOneNotLoaded) {
    ventanas.mostrar("frmHoy");
    ventanas.descargar("frmDia");
    ventanas.descargar("frmHoy");
    EXPECT_EQ(hoy.descargas, 1);
    EXPECT_EQ(ventanas.abierta("frmHoy"), nullptr);
    EXPECT_EQ(pantalla.ventana("frmHoy"), nullptr);
}

TEST_F(VentanasTest, AWindowClosedWithItsFrameIsUnloadedAtOnceAndShowsFreshAgain) {
    ventanas.mostrar("frmHoy");
    pantalla.ventana("frmHoy")->cerrarConElMarco();
    EXPECT_EQ(ventanas.abierta("frmHoy"), nullptr);
    EXPECT_EQ(hoy.descargas, 1);
    ventanas.mostrar("frmHoy");
    EXPECT_EQ(hoy.cargas, 2);
    EXPECT_EQ(pantalla.creadas, (std::vector<std::string>{"frmHoy", "frmHoy"}));
}

TEST_F(VentanasTest, UnloadingAllRunsNoUnloadHandlers) {
    ventanas.mostrar("frmHoy");
    ventanas.mostrar("frmDia");
    ventanas.descargarTodas();
    EXPECT_EQ(hoy.descargas + dia.descargas, 0);
    EXPECT_EQ(ventanas.abierta("frmHoy"), nullptr);
    EXPECT_EQ(pantalla.ventana("frmDia"), nullptr);
}

constexpr Control kBotonIr[] = {{.nombre = "cmdIr", .clase = Clase::Boton}};
constexpr DisenoVentana kDisenoSola{.nombre = "frmSola", .titulo = "Sola", .controles = kBotonIr};

// A form whose button unloads it and shows another: it must still exist
// when its handler returns, and its window goes only then.
class SeVaSola final : public Formulario {
public:
    SeVaSola(Ventanas& v, bool& vivaAlVolver) : ventanas_(v), vivaAlVolver_(vivaAlVolver) {}
    const DisenoVentana& diseno() const override { return kDisenoSola; }
    void alEvento(std::string_view, Evento) override {
        ventanas_.cambiar("frmSola", "frmHoy");
        vivaAlVolver_ = ventanas_.abierta("frmSola") == nullptr && vivo_ == 42;
    }
    ~SeVaSola() override { vivo_ = 0; }

private:
    Ventanas& ventanas_;
    bool& vivaAlVolver_;
    int vivo_ = 42;
};

TEST_F(VentanasTest, AFormUnloadedByItsOwnHandlerGoesWhenTheHandlerIsOver) {
    bool vivaAlVolver = false;
    ventanas.registrar("frmSola", [&] { return std::make_unique<SeVaSola>(ventanas, vivaAlVolver); });
    ventanas.mostrar("frmSola");
    pantalla.ventana("frmSola")->pulsar("cmdIr");
    EXPECT_TRUE(vivaAlVolver);
    EXPECT_EQ(pantalla.ventana("frmSola"), nullptr);
    EXPECT_NE(ventanas.abierta("frmHoy"), nullptr);
}

TEST_F(VentanasTest, WithTheLastShownWindowGoneTheProgramEndsOnce) {
    int fines = 0;
    FormularioSimple::Cuentas oculta;
    ventanas.registrar("frmIni",
                       [&] { return std::make_unique<FormularioSimple>("frmIni", oculta, Marco::Oculto); });
    ventanas.mostrar("frmIni");
    ventanas.mostrar("frmHoy");
    ventanas.mostrar("frmDia");
    ventanas.terminarConLaUltima([&] { ++fines; });
    ventanas.descargar("frmHoy");
    EXPECT_EQ(fines, 0);
    pantalla.ventana("frmDia")->cerrarConElMarco();
    EXPECT_EQ(fines, 1);  // the hidden one does not count
    ventanas.descargar("frmIni");
    EXPECT_EQ(fines, 1);
}

TEST_F(VentanasTest, ALoadThatThrowsLeavesNothingLoaded) {
    ventanas.registrar("frmMala", []() -> std::unique_ptr<Formulario> { throw std::runtime_error("no"); });
    EXPECT_THROW(ventanas.mostrar("frmMala"), std::runtime_error);
    EXPECT_EQ(ventanas.abierta("frmMala"), nullptr);
}

}  // namespace
}  // namespace tarvolo::prueba
