#include "shell/frm_ini.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QPointer>

#include "calendar/error_ejecucion.h"
#include "falsos/bandeja_grabada.h"
#include "falsos/mensajes_grabados.h"
#include "falsos/reloj_fijo.h"
#include "shell/ventanas.h"

namespace tarvolo {
namespace {

using namespace std::chrono;
using Op = BandejaGrabada::Operacion;

constexpr Fecha kSemana7{year{2024}, February, day{17}};  // a Saturday
constexpr Fecha kSemana8{year{2024}, February, day{18}};
const QStringList kNombres = {"frmHoy", "frmDia", "frmRango", "frmAbout", "frmSplash"};

// A stand-in window that notes its loads and its own close handler.
class VentanaSimple : public QWidget {
public:
    explicit VentanaSimple(int& cierres) : cierres_(cierres) {}

protected:
    void closeEvent(QCloseEvent* e) override {
        ++cierres_;
        e->accept();
    }

private:
    int& cierres_;
};

class FrmIniTest : public ::testing::Test {
protected:
    FrmIniTest() {
        for (const QString& nombre : kNombres) {
            ventanas.registrar(nombre, [this, nombre] {
                ++cargas[nombre];
                cargadaTrasLlamadas[nombre] = bandeja.llamadas.size();
                auto* v = new VentanaSimple(cierres);
                v->setObjectName(nombre);
                return v;
            });
        }
    }
    ~FrmIniTest() override {
        ini.reset();
        ventanas.descargarTodas();
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void cargar() {
        ini = std::make_unique<frmIni>(
            servicios, bandeja,
            [this](QMenu& menu, const QPoint&) {
                ++menusAbiertos;
                if (eleccion.isEmpty()) return;
                QAction* accion = menu.findChild<QAction*>(eleccion);
                ASSERT_NE(accion, nullptr) << eleccion.toStdString();
                accion->trigger();
            },
            [this] { ++finales; });
        bandeja.llamadas.clear();
        mensajes.textos.clear();
    }
    // The user picks an entry of the icon's menu.
    void elegir(const QString& entrada) {
        eleccion = entrada;
        bandeja.inyectar(0x205);
    }
    QStringList cargadas() const {
        QStringList abiertas;
        for (const QString& nombre : kNombres)
            if (ventanas.abierta(nombre) != nullptr) abiertas.append(nombre);
        return abiertas;
    }

    Ventanas ventanas;
    MensajesGrabados mensajes;
    RelojFijo reloj{kSemana7};
    Servicios servicios{ventanas, mensajes, reloj};
    BandejaGrabada bandeja;
    std::unique_ptr<frmIni> ini;

    QHash<QString, int> cargas;
    QHash<QString, qsizetype> cargadaTrasLlamadas;
    int cierres = 0;
    int menusAbiertos = 0;
    int finales = 0;
    QString eleccion;
};

TEST_F(FrmIniTest, StartUpAddsTheIconGreetsAndShowsTheSplashInThatOrder) {
    ini = std::make_unique<frmIni>(
        servicios, bandeja, [](QMenu&, const QPoint&) {}, [] {});
    ASSERT_EQ(bandeja.operaciones(), (QVector<Op>{Op::Version, Op::Agregar, Op::Modificar}));

    QByteArray tip("Semana Epidemiol\xF3gica 7");
    tip.append('\0');
    EXPECT_EQ(bandeja.llamadas[1].registro.mid(24, tip.size()), tip);

    const RegistroNotificacion globo = bandeja.llamadas[2].leido();
    EXPECT_EQ(globo.uFlags(), 23u);
    EXPECT_EQ(globo.cbSize(), 488u);
    EXPECT_EQ(globo.szInfo(), QStringLiteral("Semana Epidemiológica Actual: 7"));
    EXPECT_EQ(globo.szInfoTitle(), QStringLiteral("Tarvolo Versión 1.3.2"));
    EXPECT_EQ(globo.dwInfoFlags(), 1u);

    EXPECT_EQ(cargadaTrasLlamadas.value("frmSplash", -1), 3);
    EXPECT_EQ(cargadas(), QStringList{"frmSplash"});
    EXPECT_TRUE(mensajes.textos.isEmpty());
    EXPECT_FALSE(ini->sinBandeja());
    EXPECT_FALSE(ini->isVisible());
    EXPECT_EQ(ini->windowTitle(), QStringLiteral("Tarvolo"));
}

TEST_F(FrmIniTest, WeekOneAtStartUp) {
    reloj.fijar(Fecha{year{2023}, December, day{31}});  // Sunday opening week 1 of 2024
    cargar();
    EXPECT_EQ(ini->bandeja()->Tooltip(), QStringLiteral("Semana Epidemiológica 1"));
}

TEST_F(FrmIniTest, MenuHasItsEntriesInOrder) {
    cargar();
    const QMenu* menu = ini->menu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), QStringLiteral("mnuMenu"));
    EXPECT_EQ(menu->title(), QStringLiteral("Menu"));
    QStringList nombres, textos;
    for (const QAction* a : menu->actions()) {
        nombres << a->objectName();
        textos << (a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    EXPECT_EQ(nombres, (QStringList{"mnuHoy", "mnuDia", "mnuAnio", "relleno", "mnuCancelar", "relleno2",
                                    "mnuAbout", "mnuExit"}));
    EXPECT_EQ(textos, (QStringList{"Ver Semana Epidemiológica Actual", "Buscar Semana Epidemiológica por Día",
                                   "Ver Semanas Epidemiológicas del Año", "-", "Cancelar", "-",
                                   "Acerca de...", "Salir"}));
}

TEST_F(FrmIniTest, LeftButtonUpShowsTheBalloonWithTheWeekOfTheClick) {
    cargar();
    reloj.fijar(kSemana8);  // past Saturday midnight
    bandeja.inyectar(0x202);
    ASSERT_EQ(bandeja.operaciones(), QVector<Op>{Op::Modificar});
    const RegistroNotificacion r = bandeja.llamadas.last().leido();
    EXPECT_EQ(r.szInfo(), QStringLiteral("Semana Epidemiológica Actual: 8"));
    EXPECT_EQ(r.szInfoTitle(), QStringLiteral("Tarvolo Versión 1.3.2"));
    EXPECT_NE(r.uFlags() & RegistroNotificacion::kGlobo, 0u);
    EXPECT_EQ(r.szTip(), QStringLiteral("Semana Epidemiológica 7"));  // the tooltip keeps the start's week
    bandeja.inyectar(0x202);
    EXPECT_EQ(bandeja.llamadas.size(), 2);
    EXPECT_EQ(menusAbiertos, 0);
}

TEST_F(FrmIniTest, RightButtonUpPopsTheMenu) {
    cargar();
    bandeja.inyectar(0x205);
    EXPECT_EQ(menusAbiertos, 1);
    EXPECT_TRUE(bandeja.llamadas.isEmpty());
}

TEST_F(FrmIniTest, TheMenuIsPublishedBeforeTheIconIsAdded) {
    // Trays that only show a menu the item publishes need it with the icon.
    ini = std::make_unique<frmIni>(
        servicios, bandeja, [](QMenu&, const QPoint&) {}, [] {});
    EXPECT_EQ(bandeja.menuExportado, ini->menu());
    EXPECT_EQ(bandeja.llamadasAntesDelMenu, 0);
    EXPECT_EQ(bandeja.operaciones().value(1), Op::Agregar);
}

TEST_F(FrmIniTest, RightButtonUpLeavesAMenuTheTrayAlreadyShowsAlone) {
    cargar();
    ini->menu()->popup(QPoint(10, 10));
    ASSERT_TRUE(ini->menu()->isVisible());
    bandeja.inyectar(0x205);
    EXPECT_EQ(menusAbiertos, 0);
    ini->menu()->hide();
    bandeja.inyectar(0x205);
    EXPECT_EQ(menusAbiertos, 1);
}

TEST_F(FrmIniTest, OtherMouseMessagesDoNothing) {
    cargar();
    for (quint32 m : {0x201u, 0x203u, 0x204u, 0x206u, 0x200u, 519u}) bandeja.inyectar(m);
    EXPECT_EQ(menusAbiertos, 0);
    EXPECT_TRUE(bandeja.llamadas.isEmpty());
    EXPECT_TRUE(mensajes.textos.isEmpty());
}

TEST_F(FrmIniTest, OldShellGetsNoBalloonButTheMenuWorks) {
    bandeja.versionMayor = 4;
    cargar();
    EXPECT_FALSE(ini->sinBandeja());
    bandeja.inyectar(0x202);
    EXPECT_TRUE(bandeja.llamadas.isEmpty());
    elegir("mnuHoy");
    EXPECT_TRUE(cargadas().contains("frmHoy"));
}

struct Eleccion {
    const char* entrada;
    QStringList antes;    // loaded before the choice (besides the splash)
    QStringList despues;  // loaded after it
};

void PrintTo(const Eleccion& e, std::ostream* os) {
    *os << e.entrada << " con " << e.antes.join(',').toStdString();
}

class EleccionesDelMenu : public FrmIniTest, public ::testing::WithParamInterface<Eleccion> {};

TEST_P(EleccionesDelMenu, LeaveTheRightWindowsLoaded) {
    const Eleccion e = GetParam();
    cargar();
    ventanas.descargar("frmSplash");
    for (const QString& v : e.antes) ventanas.mostrar(v);
    elegir(QString::fromLatin1(e.entrada));
    EXPECT_EQ(cargadas(), e.despues);
    EXPECT_TRUE(mensajes.textos.isEmpty());
    EXPECT_EQ(finales, 0);
    EXPECT_TRUE(bandeja.llamadas.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, EleccionesDelMenu,
    ::testing::Values(Eleccion{"mnuHoy", {"frmDia", "frmRango"}, {"frmHoy"}},
                      Eleccion{"mnuHoy", {"frmDia", "frmRango", "frmAbout"}, {"frmHoy", "frmAbout"}},
                      Eleccion{"mnuDia", {"frmHoy", "frmRango"}, {"frmDia"}},
                      Eleccion{"mnuDia", {}, {"frmDia"}},
                      Eleccion{"mnuAnio", {"frmHoy", "frmDia"}, {"frmRango"}},
                      Eleccion{"mnuAnio", {"frmAbout"}, {"frmRango", "frmAbout"}},
                      Eleccion{"mnuAbout", {"frmHoy"}, {"frmHoy", "frmAbout"}},
                      Eleccion{"mnuAbout", {"frmDia", "frmRango"}, {"frmDia", "frmRango", "frmAbout"}},
                      Eleccion{"mnuCancelar", {"frmHoy", "frmAbout"}, {"frmHoy", "frmAbout"}},
                      Eleccion{"mnuCancelar", {}, {}}));

TEST_F(FrmIniTest, ChoosingAnOpenWindowOnlyBringsItForward) {
    cargar();
    elegir("mnuHoy");
    QWidget* hoy = ventanas.abierta("frmHoy");
    elegir("mnuHoy");
    EXPECT_EQ(ventanas.abierta("frmHoy"), hoy);
    EXPECT_EQ(cargas.value("frmHoy"), 1);
}

TEST_F(FrmIniTest, ClosingAnotherWindowNeverEndsTheProgram) {
    cargar();
    elegir("mnuDia");
    ventanas.abierta("frmDia")->close();
    ventanas.abierta("frmSplash")->close();
    EXPECT_EQ(finales, 0);
    EXPECT_TRUE(bandeja.llamadas.isEmpty());
}

TEST_F(FrmIniTest, SalirRemovesTheIconThenEndsTheProgramWithoutAskingTheWindows) {
    cargar();
    elegir("mnuDia");
    elegir("mnuAbout");
    ASSERT_EQ(cargadas(), (QStringList{"frmDia", "frmAbout", "frmSplash"}));
    QPointer<QWidget> dia = ventanas.abierta("frmDia");
    cierres = 0;
    bandeja.llamadas.clear();

    elegir("mnuExit");
    EXPECT_EQ(bandeja.operaciones(), QVector<Op>{Op::Eliminar});  // once: the release finds it gone
    EXPECT_EQ(bandeja.llamadas.last().leido().uID(), 1u);
    EXPECT_EQ(finales, 1);
    EXPECT_TRUE(cargadas().isEmpty());
    EXPECT_TRUE(dia.isNull());
    EXPECT_EQ(cierres, 0);
    EXPECT_EQ(ini->bandeja(), nullptr);
    EXPECT_TRUE(mensajes.textos.isEmpty());

    // A second request to unload finds nothing left to do.
    ini->descargar();
    EXPECT_EQ(finales, 1);
    EXPECT_EQ(bandeja.llamadas.size(), 1);
}

TEST_F(FrmIniTest, QuittingTheApplicationRemovesTheIconFirst) {
    cargar();
    ASSERT_TRUE(QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit", Qt::DirectConnection));
    EXPECT_EQ(bandeja.operaciones(), QVector<Op>{Op::Eliminar});
    EXPECT_EQ(ini->bandeja(), nullptr);
    bandeja.inyectar(0x205);
    EXPECT_EQ(menusAbiertos, 0);
}

TEST_F(FrmIniTest, WithoutANotificationAreaTheCurrentWeekWindowStandsIn) {
    bandeja.fallan.insert(Op::Agregar);
    ini = std::make_unique<frmIni>(
        servicios, bandeja, [](QMenu&, const QPoint&) {}, [this] { ++finales; });
    EXPECT_TRUE(ini->sinBandeja());
    EXPECT_EQ(bandeja.operaciones(), (QVector<Op>{Op::Version, Op::Agregar}));  // no balloon either
    EXPECT_EQ(cargadas(), (QStringList{"frmHoy", "frmSplash"}));
    EXPECT_EQ(mensajes.textos, QStringList{frmIni::kTextoSinBandeja});
    EXPECT_TRUE(QApplication::quitOnLastWindowClosed());
    EXPECT_EQ(finales, 0);
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
    int modificaciones = 0;
};

TEST_F(FrmIniTest, AnErrorDuringStartUpIsReportedAndTheRestSkipped) {
    BandejaRota rota;
    ini = std::make_unique<frmIni>(
        servicios, rota, [](QMenu&, const QPoint&) {}, [] {});
    EXPECT_EQ(rota.modificaciones, 0);
    EXPECT_EQ(cargas.value("frmSplash"), 0);
    // Still reachable: the error is said, then the window stands in for the icon.
    EXPECT_EQ(mensajes.textos, (QStringList{"Desbordamiento", frmIni::kTextoSinBandeja}));
    EXPECT_TRUE(cargadas().contains("frmHoy"));
}

TEST_F(FrmIniTest, AnErrorInAMenuHandlerIsReportedAndTheProgramGoesOn) {
    ventanas.registrar("frmDia", []() -> QWidget* { throw ErrorEjecucion::tiposNoCoinciden(); });
    cargar();
    elegir("mnuHoy");
    elegir("mnuDia");  // frmDia fails to load: frmHoy is not unloaded
    EXPECT_EQ(mensajes.textos, QStringList{"No coinciden los tipos"});
    EXPECT_TRUE(cargadas().contains("frmHoy"));
    elegir("mnuAnio");
    EXPECT_EQ(cargadas(), (QStringList{"frmRango", "frmSplash"}));
}

}  // namespace
}  // namespace tarvolo
