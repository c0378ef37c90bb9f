#include "windows/ventanas_programa.h"

#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

#include "entorno_ventanas.h"
#include "qt/dialogos_qt.h"
#include "qt/hilo_ventanas_qt.h"
#include "qt/impresora_qt.h"
#include "qt/lanzador_qt.h"
#include "qt/lienzo_qt.h"
#include "qt/recursos_qt.h"
#include "windows/frm_about.h"
#include "windows/frm_canal.h"
#include "windows/frm_dia.h"
#include "windows/frm_hoy.h"
#include "windows/frm_rango.h"
#include "windows/frm_splash.h"
#include "windows/sistema/info_sistema.h"

namespace tarvolo::prueba {
namespace {

using namespace std::chrono_literals;

// The real windows, registered by the program's own VentanasDelPrograma with
// the real registry, program launcher and printer of Qt's back end.
class VentanasDelProgramaTest : public ::testing::Test {
protected:
    ~VentanasDelProgramaTest() override {
        ventanas.descargarTodas();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QWidget* mostrar(const char* nombre) { return PantallaQt::widget(ventanas.mostrar(nombre)->ventana()); }

    RelojFijo reloj{2005y / std::chrono::March / 5};
    MensajesGrabados mensajes;
    PantallaQt pantalla{reloj};
    Ventanas ventanas{pantalla};
    Servicios servicios{ventanas, mensajes, reloj};
    std::unique_ptr<Registro> registro = registroDelSistema();
    LanzadorQt lanzador;
    FabricaImpresora impresora = [] { return std::make_unique<ImpresoraQt>(); };
    DialogosQt dialogos;
    HiloVentanasQt hilo;
    ServiciosCanal canal{dialogos, hilo, pngDeDibujo};
};

TEST_F(VentanasDelProgramaTest, RegistersTheFiveWindowsWithTheirRealBackEnds) {
    VentanasDelPrograma programa(servicios, impresora, *registro, lanzador, canal);
    EXPECT_NE(dynamic_cast<frmHoy*>(ventanas.mostrar("frmHoy")), nullptr);
    ASSERT_NE(dynamic_cast<frmDia*>(ventanas.mostrar("frmDia")), nullptr);
    auto* calendario = mostrar("frmDia")->findChild<QCalendarWidget*>(QStringLiteral("Calendar1"));
    ASSERT_NE(calendario, nullptr);
    EXPECT_EQ(calendario->selectedDate(), QDate(2005, 3, 5));
    EXPECT_NE(dynamic_cast<frmRango*>(ventanas.mostrar("frmRango")), nullptr);
    EXPECT_NE(dynamic_cast<frmSplash*>(ventanas.mostrar("frmSplash")), nullptr);
    EXPECT_NE(dynamic_cast<frmAbout*>(ventanas.mostrar("frmAbout")), nullptr);
    EXPECT_NE(dynamic_cast<frmCanal*>(ventanas.mostrar("frmCanal")), nullptr);
    EXPECT_TRUE(mensajes.textos.empty());
}

TEST_F(VentanasDelProgramaTest, SystemInformationIsUnavailableOnThisMachine) {
    VentanasDelPrograma programa(servicios, impresora, *registro, lanzador, canal);
    QWidget* about = mostrar("frmAbout");
    QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);
    EXPECT_EQ(mensajes.textos, std::vector<std::string>{std::string(kInfoSistemaNoDisponible)});
}

TEST_F(VentanasDelProgramaTest, PickInTheRealCalendarReachesTheBoxes) {
    VentanasDelPrograma programa(servicios, impresora, *registro, lanzador, canal);
    QWidget* dia = mostrar("frmDia");
    auto* calendario = dia->findChild<QCalendarWidget*>(QStringLiteral("Calendar1"));
    // Enter on the calendar is the control's "activated": a pick.
    calendario->setSelectedDate(QDate(2005, 1, 1));
    QTest::keyClick(calendario->focusProxy() ? calendario->focusProxy() : calendario, Qt::Key_Return);
    EXPECT_EQ(dia->findChild<QLineEdit*>(QStringLiteral("txtMes"))->text(), QStringLiteral("1"));
    EXPECT_EQ(dia->findChild<QLineEdit*>(QStringLiteral("txtDia"))->text(), QStringLiteral("1"));
}

TEST_F(VentanasDelProgramaTest, ClosingTheProgramTakesOpenWindowsFirst) {
    {
        VentanasDelPrograma programa(servicios, impresora, *registro, lanzador, canal);
        ventanas.mostrar("frmAbout");
        ventanas.mostrar("frmDia");
    }
    EXPECT_EQ(ventanas.abierta("frmAbout"), nullptr);
    EXPECT_EQ(ventanas.abierta("frmDia"), nullptr);
}

TEST(RecursosTest, PicturesAreCompiledIn) {
    struct {
        const char* ruta;
        QSize tamano;
    } const casos[] = {{":/tarvolo/icono16.png", {16, 16}}, {":/tarvolo/icono32.png", {32, 32}}};
    for (const auto& c : casos) EXPECT_EQ(QPixmap(QString::fromLatin1(c.ruta)).size(), c.tamano) << c.ruta;
    for (const char* ruta : {":/tarvolo/impresora.png", ":/tarvolo/banner.png", ":/tarvolo/emblema.png",
                             ":/tarvolo/emblema_nombre.png", ":/tarvolo/logo.png"})
        EXPECT_FALSE(QPixmap(QString::fromLatin1(ruta)).isNull()) << ruta;
    // What the windows ask for is there too, read as PNG without the image plug-ins.
    for (Imagen imagen : {Imagen::Icono32, Imagen::Banner, Imagen::Emblema, Imagen::EmblemaNombre,
                          Imagen::Logo, Imagen::Impresora})
        EXPECT_FALSE(pixmapDeImagen(imagen).isNull()) << archivoImagen(imagen);
    EXPECT_EQ(iconoPrograma().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));
}

}  // namespace
}  // namespace tarvolo::prueba
