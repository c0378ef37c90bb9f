#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "entorno_ventanas.h"

namespace tarvolo::prueba {
namespace {

class FrmSplashTest : public EntornoVentanas {
protected:
    FrmSplashTest() : EntornoVentanas("frmSplash") {}
};

TEST_F(FrmSplashTest, TextsAndFrame) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Tarvolo"));
    EXPECT_FALSE(w->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                                     Qt::WindowMaximizeButtonHint | Qt::WindowSystemMenuHint));
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(w->size(), QSize(pixeles(w, 7380), pixeles(w, 4245)));
    EXPECT_EQ(hijo<QLabel>(w, "lblProductName")->text(), QStringLiteral("Tarvolo"));
    EXPECT_EQ(hijo<QLabel>(w, "lblVersion")->text(), QStringLiteral("Versión 1.3.2"));
    EXPECT_EQ(hijo<QLabel>(w, "Label1")->text(), QStringLiteral("Semanas Epidemiológicas"));
    EXPECT_EQ(hijo<QLabel>(w, "Label2")->text(), QStringLiteral("Castmara"));
    EXPECT_TRUE(hijo<QLabel>(w, "lblWarning")->text().startsWith(QStringLiteral("Desarrollo: ")));
    EXPECT_EQ(hijo(w, "Frame1")->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_DOUBLE_EQ(hijo(w, "lblProductName")->font().pointSizeF(), 26.25);

    // Sized to their texts, and both inside the frame.
    const QRect marco = hijo(w, "Frame1")->rect();
    for (const char* nombre : {"lblProductName", "lblVersion"}) {
        const auto* l = hijo<QLabel>(w, nombre);
        EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(l->text())) << nombre;
        EXPECT_TRUE(marco.contains(l->geometry())) << nombre;
    }
    EXPECT_EQ(hijo(w, "lblProductName")->pos(), QPoint(pixeles(w, 1680), pixeles(w, 1740)));
}

TEST_F(FrmSplashTest, ClosesByItselfAfterThreeSeconds) {
    auto* timer = w->findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 3000);
    EXPECT_TRUE(timer->isActive());
    // Three seconds, not the up to 5 % less a coarse timer allows.
    EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);

    // Its time is up: fired here instead of waited for.
    ASSERT_TRUE(QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection));
    EXPECT_FALSE(abierto());
}

class FrmSplashTeclaTest : public FrmSplashTest, public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(FrmSplashTeclaTest, AnyKeyClosesIt) {
    QTest::keyClick(w, GetParam());
    EXPECT_FALSE(abierto());
}

TEST_P(FrmSplashTeclaTest, AKeyThatReachesAControlFirstClosesItToo) {
    QTest::keyClick(hijo(w, "lblProductName"), GetParam());
    EXPECT_FALSE(abierto());
}

INSTANTIATE_TEST_SUITE_P(Teclas, FrmSplashTeclaTest,
                         ::testing::Values(Qt::Key_A, Qt::Key_Escape, Qt::Key_Return));

TEST_F(FrmSplashTest, ClickOnTheWhiteFrameClosesIt) {
    QTest::mouseClick(hijo(w, "Frame1"), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_FALSE(abierto());
}

TEST_F(FrmSplashTest, ClickOnTitleOrPictureLeavesItOpen) {
    for (const char* nombre : {"lblProductName", "Picture3", "Label1"}) {
        QTest::mouseClick(hijo(w, nombre), Qt::LeftButton);
        EXPECT_TRUE(abierto()) << nombre;
    }
    EXPECT_TRUE(w->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
}

}  // namespace
}  // namespace tarvolo::prueba
