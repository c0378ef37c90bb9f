// The program from start to end on a platform of fakes: what arrancar wires
// together, seen from the tray and the windows.
#include <gtest/gtest.h>

#include "falsos/bandeja_grabada.h"
#include "falsos/canal_falso.h"
#include "falsos/dialogos_falsos.h"
#include "falsos/falsos_ventanas.h"
#include "falsos/hilo_ventanas_falso.h"
#include "falsos/mensajes_grabados.h"
#include "falsos/pantalla_grabada.h"
#include "falsos/reloj_fijo.h"
#include "falsos/temporizador_limite_falso.h"
#include "shell/plataforma.h"

namespace tarvolo {
namespace {

using namespace std::chrono;
using Op = BandejaGrabada::Operacion;

class PlataformaFalsa final : public Plataforma {
public:
    Pantalla& pantalla() override { return pantalla_; }
    Mensajes& mensajes() override { return mensajes_; }
    const Reloj& reloj() override { return reloj_; }
    Bandeja& bandeja() override { return bandeja_; }
    CanalInstancia& canal() override { return canal_; }
    std::unique_ptr<TemporizadorLimite> alarma() override {
        auto a = std::make_unique<TemporizadorLimiteFalso>();
        alarma_ = a.get();
        return a;
    }
    std::unique_ptr<Impresora> impresora() override { return nullptr; }
    Registro& registro() override { return registro_; }
    Lanzador& lanzador() override { return lanzador_; }
    Dialogos& dialogos() override { return dialogos_; }
    HiloVentanas& hiloVentanas() override { return hilo_; }
    EscritorPng escritorPng() override { return {}; }
    // What happens while the program waits for events.
    int bucle() override { return mientras ? mientras() : 0; }
    void terminar() override { ++terminadas; }
    void alTerminarSesion(std::function<void()> aviso) override { finDeSesion = std::move(aviso); }

    RelojFijo reloj_{2020y / December / 26};  // Saturday of week 52
    MensajesGrabados mensajes_;
    prueba::PantallaGrabada pantalla_{reloj_};
    BandejaGrabada bandeja_;
    CanalFalso canal_;
    prueba::RegistroFalso registro_;
    prueba::LanzadorFalso lanzador_;
    prueba::DialogosFalsos dialogos_;
    prueba::HiloVentanasFalso hilo_;
    TemporizadorLimiteFalso* alarma_ = nullptr;
    std::function<int()> mientras;
    std::function<void()> finDeSesion;
    int terminadas = 0;
};

TEST(Arranque, ALaterStartLeavesItToTheRunningProgram) {
    PlataformaFalsa p;
    p.canal_.otraCorre = true;
    EXPECT_EQ(arrancar(p), 0);
    EXPECT_TRUE(p.bandeja_.llamadas.empty());
    EXPECT_TRUE(p.pantalla_.creadas.empty());
}

// One run: the icon with its greeting and the week's picture, a new week at
// Sunday's midnight with no balloon, and the session's end taking the icon.
TEST(Arranque, TheTrayFollowsTheWeekAndLeavesWithTheSession) {
    PlataformaFalsa p;
    p.mientras = [&p] {
        EXPECT_EQ(p.bandeja_.operaciones(),
                  (std::vector<Op>{Op::Version, Op::Agregar, Op::Modificar, Op::Modificar}));
        EXPECT_EQ(p.bandeja_.llamadas[3].leido().hIcon(), BandejaGrabada::kIconosDeSemana + 52);
        EXPECT_EQ(p.pantalla_.creadas, (std::vector<std::string>{"frmIni", "frmSplash"}));
        p.bandeja_.llamadas.clear();

        p.reloj_.fijar(2020y / December / 27);
        p.alarma_->sonarYa();
        EXPECT_EQ(p.bandeja_.operaciones(), (std::vector<Op>{Op::Modificar, Op::Modificar}));
        for (const auto& llamada : p.bandeja_.llamadas)
            EXPECT_EQ(llamada.leido().uFlags() & RegistroNotificacion::kGlobo, 0u);
        EXPECT_EQ(p.bandeja_.llamadas.back().leido().szTip(), "Semana Epidemiológica 53");
        EXPECT_EQ(p.bandeja_.llamadas.back().leido().hIcon(), BandejaGrabada::kIconosDeSemana + 53);

        p.bandeja_.llamadas.clear();
        p.finDeSesion();
        EXPECT_EQ(p.bandeja_.operaciones(), std::vector<Op>{Op::Eliminar});
        // The alarm of a program on its way out writes nothing.
        p.alarma_->sonarYa();
        EXPECT_EQ(p.bandeja_.llamadas.size(), 1u);
        return 0;
    };
    EXPECT_EQ(arrancar(p), 0);
    EXPECT_EQ(p.terminadas, 1);
    EXPECT_TRUE(p.mensajes_.textos.empty());
}

}  // namespace
}  // namespace tarvolo
