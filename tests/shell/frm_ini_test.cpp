#include "shell/frm_ini.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "calendar/error_ejecucion.h"
#include "falsos/bandeja_grabada.h"
#include "falsos/formulario_simple.h"
#include "falsos/mensajes_grabados.h"
#include "falsos/pantalla_grabada.h"
#include "falsos/reloj_fijo.h"
#include "shell/nombres_ventanas.h"

namespace tarvolo {
namespace {

using namespace std::chrono;
using Op = BandejaGrabada::Operacion;
using Ops = std::vector<Op>;
using Nombres = std::vector<std::string>;
using prueba::FormularioSimple;
using prueba::VentanaGrabada;

constexpr Fecha kSemana7{year{2024}, February, day{17}};  // a Saturday
constexpr Fecha kSemana8{year{2024}, February, day{18}};
const Nombres kNombres = {"frmHoy", "frmDia", "frmRango", "frmCanal", "frmAbout", "frmSplash"};

class FrmIniTest : public ::testing::Test {
protected:
    FrmIniTest() {
        for (const std::string& nombre : kNombres) {
            ventanas.registrar(nombre, [this, nombre] {
                ++cargas[nombre];
                cargadaTrasLlamadas[nombre] = bandeja.llamadas.size();
                return std::make_unique<FormularioSimple>(nombre, cuentas[nombre]);
            });
        }
        ventanas.registrar(kFrmIni, [this] {
            return std::make_unique<frmIni>(servicios, bandejaDeIni != nullptr ? *bandejaDeIni : bandeja,
                                            [this] { ++finales; });
        });
    }

    frmIni* arrancar() {
        ini = static_cast<frmIni*>(ventanas.mostrar(kFrmIni));
        // The user's pick when the icon's menu pops up, if any.
        pantalla.ventana(kFrmIni)->alEmerger = [this](VentanaGrabada& v, std::string_view) {
            ++menusAbiertos;
            if (!eleccion.empty()) v.elegir(eleccion);
        };
        return ini;
    }
    void cargar() {
        arrancar();
        bandeja.llamadas.clear();
        mensajes.textos.clear();
    }
    // The user picks an entry of the icon's menu.
    void elegir(const std::string& entrada) {
        eleccion = entrada;
        bandeja.inyectar(0x205);
    }
    Nombres cargadas() const {
        Nombres abiertas;
        for (const std::string& nombre : kNombres)
            if (ventanas.abierta(nombre) != nullptr) abiertas.push_back(nombre);
        return abiertas;
    }
    int descargas() const {
        int n = 0;
        for (const auto& [nombre, c] : cuentas) n += c.descargas;
        return n;
    }

    std::map<std::string, int> cargas;
    std::map<std::string, std::size_t> cargadaTrasLlamadas;
    std::map<std::string, FormularioSimple::Cuentas> cuentas;
    BandejaGrabada bandeja;
    Bandeja* bandejaDeIni = nullptr;
    MensajesGrabados mensajes;
    RelojFijo reloj{kSemana7};
    prueba::PantallaGrabada pantalla{reloj};
    Ventanas ventanas{pantalla};
    Servicios servicios{ventanas, mensajes, reloj};
    frmIni* ini = nullptr;
    int menusAbiertos = 0;
    int finales = 0;
    std::string eleccion;
};

TEST_F(FrmIniTest, StartUpAddsTheIconGreetsAndShowsTheSplashInThatOrder) {
    arrancar();
    ASSERT_EQ(bandeja.operaciones(), (Ops{Op::Version, Op::Agregar, Op::Modificar}));

    const std::string tip = std::string("Semana Epidemiol\xF3gica 7") + '\0';
    const auto& agregado = bandeja.llamadas[1].registro;
    EXPECT_EQ(std::string(agregado.begin() + 24, agregado.begin() + 24 + static_cast<long>(tip.size())), tip);

    const RegistroNotificacion globo = bandeja.llamadas[2].leido();
    EXPECT_EQ(globo.uFlags(), 23u);
    EXPECT_EQ(globo.cbSize(), 488u);
    EXPECT_EQ(globo.szInfo(), "Semana Epidemiológica Actual: 7");
    EXPECT_EQ(globo.szInfoTitle(), "Tarvolo Versión 1.3.2");
    EXPECT_EQ(globo.dwInfoFlags(), 1u);

    EXPECT_EQ(cargadaTrasLlamadas.at("frmSplash"), 3u);
    EXPECT_EQ(cargadas(), Nombres{"frmSplash"});
    EXPECT_TRUE(mensajes.textos.empty());
    EXPECT_FALSE(ini->sinBandeja());
    EXPECT_EQ(ini->diseno().marco, Marco::Oculto);
    EXPECT_EQ(pantalla.ventana(kFrmIni)->titulo(), "Tarvolo");
}

TEST_F(FrmIniTest, WeekOneAtStartUp) {
    reloj.fijar(Fecha{year{2023}, December, day{31}});  // Sunday opening week 1 of 2024
    cargar();
    EXPECT_EQ(ini->bandeja()->Tooltip(), "Semana Epidemiológica 1");
}

TEST_F(FrmIniTest, MenuHasItsEntriesInOrder) {
    cargar();
    const auto menus = ini->diseno().menus;
    ASSERT_FALSE(menus.empty());
    EXPECT_EQ(menus[0].nombre, "mnuMenu");
    EXPECT_EQ(menus[0].texto, "Menu");
    EXPECT_FALSE(menus[0].visible);
    Nombres nombres, textos;
    for (const EntradaMenu& e : menus.subspan(1)) {
        EXPECT_EQ(e.nivel, 1);
        nombres.emplace_back(e.nombre);
        textos.emplace_back(e.texto);
    }
    EXPECT_EQ(nombres, (Nombres{"mnuHoy", "mnuDia", "mnuAnio", "mnuCanal", "relleno", "mnuCancelar",
                                "relleno2", "mnuAbout", "mnuExit"}));
    EXPECT_EQ(textos, (Nombres{"Ver Semana Epidemiológica Actual", "Buscar Semana Epidemiológica por Día",
                               "Ver Semanas Epidemiológicas del Año", "Ver Canal Endémico...", "-",
                               "Cancelar", "-", "Acerca de...", "Salir"}));
}

TEST_F(FrmIniTest, LeftButtonUpShowsTheBalloonWithTheWeekOfTheClick) {
    cargar();
    reloj.fijar(kSemana8);  // past Saturday midnight
    bandeja.inyectar(0x202);
    ASSERT_EQ(bandeja.operaciones(), Ops{Op::Modificar});
    const RegistroNotificacion r = bandeja.llamadas.back().leido();
    EXPECT_EQ(r.szInfo(), "Semana Epidemiológica Actual: 8");
    EXPECT_EQ(r.szInfoTitle(), "Tarvolo Versión 1.3.2");
    EXPECT_NE(r.uFlags() & RegistroNotificacion::kGlobo, 0u);
    EXPECT_EQ(r.szTip(), "Semana Epidemiológica 7");  // the tooltip keeps the start's week
    bandeja.inyectar(0x202);
    EXPECT_EQ(bandeja.llamadas.size(), 2u);
    EXPECT_EQ(menusAbiertos, 0);
}

TEST_F(FrmIniTest, RightButtonUpPopsTheMenu) {
    cargar();
    bandeja.inyectar(0x205);
    EXPECT_EQ(menusAbiertos, 1);
    EXPECT_EQ(pantalla.ventana(kFrmIni)->emergentes, Nombres{"mnuMenu"});
    EXPECT_TRUE(bandeja.llamadas.empty());
}

TEST_F(FrmIniTest, TheMenuIsPublishedBeforeTheIconIsAdded) {
    // Trays that only show a menu the item publishes need it with the icon.
    arrancar();
    EXPECT_EQ(bandeja.menuExportado, "mnuMenu");
    EXPECT_EQ(bandeja.propietariaDelMenu, &ini->ventana());
    EXPECT_EQ(bandeja.llamadasAntesDelMenu, 0);
    EXPECT_EQ(bandeja.operaciones().at(1), Op::Agregar);
}

TEST_F(FrmIniTest, OtherMouseMessagesDoNothing) {
    cargar();
    for (std::uint32_t m : {0x201u, 0x203u, 0x204u, 0x206u, 0x200u, 519u}) bandeja.inyectar(m);
    EXPECT_EQ(menusAbiertos, 0);
    EXPECT_TRUE(bandeja.llamadas.empty());
    EXPECT_TRUE(mensajes.textos.empty());
}

TEST_F(FrmIniTest, OldShellGetsNoBalloonButTheMenuWorks) {
    bandeja.versionMayor = 4;
    cargar();
    EXPECT_FALSE(ini->sinBandeja());
    bandeja.inyectar(0x202);
    EXPECT_TRUE(bandeja.llamadas.empty());
    elegir("mnuHoy");
    EXPECT_NE(ventanas.abierta("frmHoy"), nullptr);
}

struct Eleccion {
    const char* entrada;
    Nombres antes;    // loaded before the choice (besides the splash)
    Nombres despues;  // loaded after it
};

void PrintTo(const Eleccion& e, std::ostream* os) {
    *os << e.entrada << " con " << e.antes.size() << " abiertas";
}

class EleccionesDelMenu : public FrmIniTest, public ::testing::WithParamInterface<Eleccion> {};

TEST_P(EleccionesDelMenu, LeaveTheRightWindowsLoaded) {
    const Eleccion e = GetParam();
    cargar();
    ventanas.descargar("frmSplash");
    for (const std::string& v : e.antes) ventanas.mostrar(v);
    elegir(e.entrada);
    EXPECT_EQ(cargadas(), e.despues);
    EXPECT_TRUE(mensajes.textos.empty());
    EXPECT_EQ(finales, 0);
    EXPECT_TRUE(bandeja.llamadas.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, EleccionesDelMenu,
    ::testing::Values(Eleccion{"mnuHoy", {"frmDia", "frmRango"}, {"frmHoy"}},
                      Eleccion{"mnuHoy", {"frmDia", "frmRango", "frmAbout"}, {"frmHoy", "frmAbout"}},
                      Eleccion{"mnuDia", {"frmHoy", "frmRango"}, {"frmDia"}},
                      Eleccion{"mnuDia", {}, {"frmDia"}},
                      Eleccion{"mnuAnio", {"frmHoy", "frmDia"}, {"frmRango"}},
                      Eleccion{"mnuAnio", {"frmAbout"}, {"frmRango", "frmAbout"}},
                      Eleccion{"mnuAnio", {"frmCanal"}, {"frmRango"}},
                      Eleccion{
                          "mnuCanal", {"frmHoy", "frmDia", "frmRango", "frmAbout"}, {"frmCanal", "frmAbout"}},
                      Eleccion{"mnuCanal", {}, {"frmCanal"}}, Eleccion{"mnuHoy", {"frmCanal"}, {"frmHoy"}},
                      Eleccion{"mnuDia", {"frmCanal"}, {"frmDia"}},
                      Eleccion{"mnuAbout", {"frmHoy"}, {"frmHoy", "frmAbout"}},
                      Eleccion{"mnuAbout", {"frmDia", "frmRango"}, {"frmDia", "frmRango", "frmAbout"}},
                      Eleccion{"mnuCancelar", {"frmHoy", "frmAbout"}, {"frmHoy", "frmAbout"}},
                      Eleccion{"mnuCancelar", {}, {}}));

TEST_F(FrmIniTest, ChoosingAnOpenWindowOnlyBringsItForward) {
    cargar();
    elegir("mnuHoy");
    const Formulario* hoy = ventanas.abierta("frmHoy");
    elegir("mnuHoy");
    EXPECT_EQ(ventanas.abierta("frmHoy"), hoy);
    EXPECT_EQ(cargas.at("frmHoy"), 1);
    EXPECT_EQ(pantalla.ventana("frmHoy")->vecesMostrada(), 2);
}

TEST_F(FrmIniTest, ClosingAnotherWindowNeverEndsTheProgram) {
    cargar();
    elegir("mnuDia");
    pantalla.ventana("frmDia")->cerrarConElMarco();
    pantalla.ventana("frmSplash")->cerrarConElMarco();
    EXPECT_EQ(finales, 0);
    EXPECT_TRUE(bandeja.llamadas.empty());
}

TEST_F(FrmIniTest, SalirRemovesTheIconThenEndsTheProgramWithoutAskingTheWindows) {
    cargar();
    elegir("mnuDia");
    elegir("mnuAbout");
    ASSERT_EQ(cargadas(), (Nombres{"frmDia", "frmAbout", "frmSplash"}));
    bandeja.llamadas.clear();

    elegir("mnuExit");
    EXPECT_EQ(bandeja.operaciones(), Ops{Op::Eliminar});  // once: the release finds it gone
    EXPECT_EQ(bandeja.llamadas.back().leido().uID(), 1u);
    EXPECT_EQ(finales, 1);
    EXPECT_TRUE(cargadas().empty());
    EXPECT_EQ(pantalla.ventana("frmDia"), nullptr);
    EXPECT_EQ(descargas(), 0);
    EXPECT_EQ(ventanas.abierta(kFrmIni), nullptr);
    EXPECT_TRUE(mensajes.textos.empty());

    // A second request to unload finds nothing left to do.
    ventanas.descargar(kFrmIni);
    EXPECT_EQ(finales, 1);
    EXPECT_EQ(bandeja.llamadas.size(), 1u);
}

TEST_F(FrmIniTest, WithoutANotificationAreaTheCurrentWeekWindowStandsInAndEndsTheProgram) {
    bandeja.fallan.insert(Op::Agregar);
    arrancar();
    EXPECT_TRUE(ini->sinBandeja());
    EXPECT_EQ(bandeja.operaciones(), (Ops{Op::Version, Op::Agregar}));  // no balloon either
    EXPECT_EQ(cargadas(), (Nombres{"frmHoy", "frmSplash"}));
    EXPECT_EQ(mensajes.textos, Nombres{std::string(frmIni::kTextoSinBandeja)});
    EXPECT_EQ(finales, 0);
    // Closing its last window ends the program.
    pantalla.ventana("frmHoy")->cerrarConElMarco();
    EXPECT_EQ(finales, 0);
    ventanas.descargar("frmSplash");
    EXPECT_EQ(finales, 1);
}

// A back end whose add raises a run-time error: the start-up trap catches it.
class BandejaRota : public Bandeja {
public:
    std::optional<std::uint32_t> version() override { return 5; }
    bool agregar(const RegistroNotificacion&) override { throw ErrorEjecucion::desbordamiento(); }
    bool modificar(const RegistroNotificacion&) override {
        ++modificaciones;
        return true;
    }
    bool eliminar(const RegistroNotificacion&) override { return true; }
    std::uint32_t iconoDeSemana(int) override { return 0; }
    int modificaciones = 0;
};

TEST_F(FrmIniTest, AnErrorDuringStartUpIsReportedAndTheRestSkipped) {
    BandejaRota rota;
    bandejaDeIni = &rota;
    arrancar();
    EXPECT_EQ(rota.modificaciones, 0);
    EXPECT_EQ(cargas.count("frmSplash"), 0u);
    // Still reachable: the error is said, then the window stands in for the icon.
    EXPECT_EQ(mensajes.textos, (Nombres{"Desbordamiento", std::string(frmIni::kTextoSinBandeja)}));
    EXPECT_NE(ventanas.abierta("frmHoy"), nullptr);
    ventanas.descargarTodas();
}

TEST_F(FrmIniTest, AnErrorInAMenuHandlerIsReportedAndTheProgramGoesOn) {
    ventanas.registrar("frmDia",
                       []() -> std::unique_ptr<Formulario> { throw ErrorEjecucion::tiposNoCoinciden(); });
    cargar();
    elegir("mnuHoy");
    elegir("mnuDia");  // frmDia fails to load: frmHoy is not unloaded
    EXPECT_EQ(mensajes.textos, Nombres{"No coinciden los tipos"});
    EXPECT_NE(ventanas.abierta("frmHoy"), nullptr);
    elegir("mnuAnio");
    EXPECT_EQ(cargadas(), (Nombres{"frmRango", "frmSplash"}));
}

}  // namespace
}  // namespace tarvolo
