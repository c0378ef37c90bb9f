#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "entorno_ventanas.h"

namespace tarvolo::prueba {
namespace {

using FrmHoyTest = EntornoVentanas;

TEST_F(FrmHoyTest, DescribesTodayOnFirstOfJanuary2005) {
    reloj.fijar(2005y / std::chrono::January / 1);
    QWidget* w = mostrar("frmHoy");
    EXPECT_EQ(hijo<QLabel>(w, "lblSemana")->text(),
              QStringLiteral("El sábado 01 de enero de 2005\n es el 7º día de la semana epidemiológica 52,\n"
                             "cuatrisemana 13\ndel año epidemiológico 2004"));
    EXPECT_TRUE(mensajes.textos.empty());
}

TEST_F(FrmHoyTest, WindowCaptionMenusAndLayout) {
    QWidget* w = mostrar("frmHoy");
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Semana Actual"));
    EXPECT_FALSE(w->windowIcon().isNull());
    EXPECT_FALSE(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(barraDeMenus(w), (QStringList{"&Archivo[&Salir]", "&Semanas[Por A&ño|&Por Día|&Canal Endémico]",
                                            "A&cerca de..."}));
    EXPECT_EQ(hijo(w, "area")->size(), QSize(pixeles(w, 5190), pixeles(w, 3525)));
    EXPECT_EQ(hijo(w, "lblSemana")->geometry(), enPixeles(w, 165, 1320, 4860, 1170));
    EXPECT_EQ(hijo(w, "cmdAceptar")->geometry(), enPixeles(w, 1680, 2760, 1815, 495));
    EXPECT_EQ(hijo<QPushButton>(w, "cmdAceptar")->text(), QStringLiteral("&Aceptar"));
    EXPECT_FALSE(hijo<QLabel>(w, "Picture2")->pixmap().isNull());
    EXPECT_EQ(w->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_DOUBLE_EQ(hijo(w, "lblSemana")->font().pointSizeF(), 9.75);
}

TEST_F(FrmHoyTest, EnterRightAfterOpeningPressesAceptarAndCloses) {
    QWidget* w = mostrar("frmHoy");
    ASSERT_EQ(w->focusWidget(), hijo(w, "cmdAceptar"));
    QTest::keyClick(w->focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(abiertas().isEmpty());
}

TEST_F(FrmHoyTest, ButtonClickCloses) {
    QWidget* w = mostrar("frmHoy");
    QTest::mouseClick(hijo(w, "cmdAceptar"), Qt::LeftButton);
    EXPECT_TRUE(abiertas().isEmpty());
}

}  // namespace
}  // namespace tarvolo::prueba
