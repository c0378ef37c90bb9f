#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "entorno_ventanas.h"

namespace tarvolo::prueba {
namespace {

using FrmHoyTest = EntornoVentanas;

TEST_F(FrmHoyTest, DescribesTodayOnFirstOfJanuary2005) {
    reloj.fijar(2005y / std::chrono::January / 1);
    auto* w = mostrar<frmHoy>("frmHoy");
    EXPECT_EQ(hijo<QLabel>(w, "lblSemana")->text(),
              QStringLiteral("El sábado 01 de enero de 2005\n es el 7º día de la semana epidemiológica 52,\n"
                             "cuatrisemana 13\ndel año epidemiológico 2004"));
    EXPECT_TRUE(mensajes.textos.isEmpty());
}

TEST_F(FrmHoyTest, TextIsComputedAtLoadOnlyAndAgainOnReopening) {
    auto* w = mostrar<frmHoy>("frmHoy");
    const QString antes = hijo<QLabel>(w, "lblSemana")->text();
    reloj.fijar(2005y / std::chrono::March / 6);
    ventanas.mostrar("frmHoy");  // brought forward, not reloaded
    EXPECT_EQ(hijo<QLabel>(w, "lblSemana")->text(), antes);

    ventanas.descargar("frmHoy");
    borrarCerradas();
    auto* otra = mostrar<frmHoy>("frmHoy");
    EXPECT_TRUE(hijo<QLabel>(otra, "lblSemana")->text().startsWith(QStringLiteral("El domingo 06 de marzo")));
}

TEST_F(FrmHoyTest, WindowCaptionMenusAndLayout) {
    auto* w = mostrar<frmHoy>("frmHoy");
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Semana Actual"));
    EXPECT_FALSE(w->windowIcon().isNull());
    EXPECT_FALSE(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(barraDeMenus(w),
              (QStringList{"&Archivo[&Salir]", "&Semanas[Por A&ño|&Por Día]", "A&cerca de..."}));
    EXPECT_EQ(hijo(w, "area")->size(), QSize(pixeles(w, 5190), pixeles(w, 3525)));
    EXPECT_EQ(hijo(w, "lblSemana")->geometry(), enPixeles(w, 165, 1320, 4860, 1170));
    EXPECT_EQ(hijo(w, "cmdAceptar")->geometry(), enPixeles(w, 1680, 2760, 1815, 495));
    EXPECT_EQ(hijo<QPushButton>(w, "cmdAceptar")->text(), QStringLiteral("&Aceptar"));
    EXPECT_FALSE(hijo<QLabel>(w, "Picture2")->pixmap().isNull());
    EXPECT_EQ(w->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_DOUBLE_EQ(hijo(w, "lblSemana")->font().pointSizeF(), 9.75);
}

TEST_F(FrmHoyTest, EnterRightAfterOpeningPressesAceptarAndCloses) {
    auto* w = mostrar<frmHoy>("frmHoy");
    ASSERT_EQ(w->focusWidget(), hijo(w, "cmdAceptar"));
    QTest::keyClick(w->focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(abiertas().isEmpty());
}

struct Ruta {
    const char* accion;
    QStringList quedan;
};

void PrintTo(const Ruta& c, std::ostream* os) {
    *os << c.accion;
}

class FrmHoyMenuTest : public EntornoVentanas, public ::testing::WithParamInterface<Ruta> {};

TEST_P(FrmHoyMenuTest, MenuLeavesTheRightWindowsOpen) {
    auto* w = mostrar<frmHoy>("frmHoy");
    accion(w, GetParam().accion)->trigger();
    EXPECT_EQ(abiertas(), GetParam().quedan);
    EXPECT_TRUE(mensajes.textos.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Rutas, FrmHoyMenuTest,
                         ::testing::Values(Ruta{"mnuSalir", {}}, Ruta{"mnuAnio", {"frmRango"}},
                                           Ruta{"mnuDia", {"frmDia"}},
                                           Ruta{"mnuAbout", {"frmHoy", "frmAbout"}}));

TEST_F(FrmHoyTest, ButtonClickCloses) {
    auto* w = mostrar<frmHoy>("frmHoy");
    QTest::mouseClick(hijo(w, "cmdAceptar"), Qt::LeftButton);
    EXPECT_TRUE(abiertas().isEmpty());
}

}  // namespace
}  // namespace tarvolo::prueba
