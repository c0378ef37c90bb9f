#include "qt/aplicacion.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

namespace tarvolo {

// A window of the program's own, as the windows are.
class VentanaPropia : public QWidget {
    Q_OBJECT
};

namespace {

class Aplicacion : public ::testing::Test {
protected:
    // Qt's English comes back for the other tests.
    ~Aplicacion() override { qDeleteAll(qApp->findChildren<QTranslator*>()); }
};

TEST_F(Aplicacion, StandardButtonsSpeakSpanish) {
    ASSERT_TRUE(cargarTraduccionesDeQt(*qApp));
    QMessageBox caja(QMessageBox::NoIcon, QStringLiteral("Tarvolo"), QStringLiteral("texto"),
                     QMessageBox::Ok);
    EXPECT_EQ(caja.button(QMessageBox::Ok)->text(), QStringLiteral("Aceptar"));
}

TEST_F(Aplicacion, PreparedItHasTheProgramsNameIconAndSpanish) {
    prepararAplicacion(*static_cast<QApplication*>(qApp));
    EXPECT_EQ(QApplication::applicationName(), "Tarvolo");
    const QList<QSize> lados = QApplication::windowIcon().availableSizes();
    EXPECT_TRUE(lados.contains(QSize(16, 16)));
    EXPECT_TRUE(lados.contains(QSize(32, 32)));
    EXPECT_FALSE(QApplication::quitOnLastWindowClosed());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
}

TEST_F(Aplicacion, TheProgramsWindowsAreWindowsAndQtsOwnKeepTheirRoles) {
    exponerVentanasComoVentanas();
    exponerVentanasComoVentanas();  // a second call installs nothing twice
    VentanaPropia ventana;
    VentanaPropia hija;
    hija.setParent(&ventana);
    QMenu menu;
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&ventana)->role(), QAccessible::Window);
    // Inside a window it is a part of it, as Qt has it.
    EXPECT_NE(QAccessible::queryAccessibleInterface(&hija)->role(), QAccessible::Window);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&menu)->role(), QAccessible::PopupMenu);
}

}  // namespace
}  // namespace tarvolo

#include "aplicacion_test.moc"
