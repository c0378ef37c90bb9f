// frmIni on Qt: its hidden window, the real pop-up menu, and the end of the
// application.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTimer>

#include "falsos/bandeja_grabada.h"
#include "falsos/formulario_simple.h"
#include "falsos/mensajes_grabados.h"
#include "falsos/reloj_fijo.h"
#include "qt/aplicacion.h"
#include "qt/pantalla_qt.h"
#include "shell/frm_ini.h"
#include "shell/nombres_ventanas.h"

namespace tarvolo {
namespace {

using namespace std::chrono;
using Op = BandejaGrabada::Operacion;

class FrmIniQtTest : public ::testing::Test {
protected:
    FrmIniQtTest() {
        ventanas.registrar(kFrmIni, [this] { return std::make_unique<frmIni>(servicios, bandeja, [] {}); });
        // The windows it opens are not what these tests look at.
        ventanas.registrar(
            kFrmSplash, [this] { return std::make_unique<prueba::FormularioSimple>("frmSplash", splash); });
    }
    ~FrmIniQtTest() override {
        ventanas.descargarTodas();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void cargar() {
        ini = static_cast<frmIni*>(ventanas.mostrar(kFrmIni));
        bandeja.llamadas.clear();
    }
    QWidget* ventana() const { return PantallaQt::widget(ini->ventana()); }
    QMenu* menu() const { return PantallaQt::menu(ini->ventana(), "mnuMenu"); }

    prueba::FormularioSimple::Cuentas splash;
    BandejaGrabada bandeja;
    MensajesGrabados mensajes;
    RelojFijo reloj{Fecha{year{2024}, February, day{17}}};
    PantallaQt pantalla{reloj};
    Ventanas ventanas{pantalla};
    Servicios servicios{ventanas, mensajes, reloj};
    frmIni* ini = nullptr;
};

TEST_F(FrmIniQtTest, ItsWindowIsNeverShownAndItsMenuOnlyPopsUp) {
    cargar();
    EXPECT_FALSE(ventana()->isVisible());
    EXPECT_EQ(ventana()->windowTitle(), QStringLiteral("Tarvolo"));
    ASSERT_NE(menu(), nullptr);
    EXPECT_EQ(menu()->title(), QStringLiteral("Menu"));
    QStringList nombres, textos;
    for (const QAction* a : menu()->actions()) {
        nombres << a->objectName();
        textos << (a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    EXPECT_EQ(nombres, (QStringList{"mnuHoy", "mnuDia", "mnuAnio", "mnuCanal", "relleno", "mnuCancelar",
                                    "relleno2", "mnuAbout", "mnuExit"}));
    EXPECT_EQ(textos, (QStringList{"Ver Semana Epidemiológica Actual", "Buscar Semana Epidemiológica por Día",
                                   "Ver Semanas Epidemiológicas del Año", "Ver Canal Endémico...", "-",
                                   "Cancelar", "-", "Acerca de...", "Salir"}));
}

TEST_F(FrmIniQtTest, RightButtonUpLeavesAMenuTheTrayAlreadyShowsAlone) {
    cargar();
    QSignalSpy mostrados(menu(), &QMenu::aboutToShow);
    menu()->popup(QPoint(10, 10));
    ASSERT_TRUE(menu()->isVisible());
    bandeja.inyectar(0x205);  // would block in the menu's own loop were it popped again
    EXPECT_EQ(mostrados.count(), 1);
    menu()->hide();
    // Closed again from inside the menu's loop, as the user would.
    QTimer::singleShot(0, menu(), [m = menu()] { m->hide(); });
    bandeja.inyectar(0x205);
    EXPECT_EQ(mostrados.count(), 2);
}

TEST_F(FrmIniQtTest, QuittingTheApplicationRemovesTheIconFirst) {
    cargar();
    QObject contexto;
    alTerminarLaSesion(*qApp, &contexto, [this] { ventanas.descargar(kFrmIni); });
    ASSERT_TRUE(QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit", Qt::DirectConnection));
    EXPECT_EQ(bandeja.operaciones(), std::vector<Op>{Op::Eliminar});
    EXPECT_EQ(ventanas.abierta(kFrmIni), nullptr);
}

}  // namespace
}  // namespace tarvolo
