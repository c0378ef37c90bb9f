#include <QAccessible>
#include <QLineEdit>

#include "entorno_ventanas.h"
#include "qt/aplicacion.h"

namespace tarvolo::prueba {
namespace {

class Accesibilidad : public EntornoVentanas {
protected:
    void SetUp() override { exponerVentanasComoVentanas(); }

    static QAccessibleInterface* interfaz(QObject* objeto) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(objeto);
        EXPECT_NE(i, nullptr);
        return i;
    }
};

TEST_F(Accesibilidad, EveryWindowIsAWindowWithItsCaptionAsName) {
    for (const char* nombre : {"frmHoy", "frmDia", "frmAbout", "frmSplash"}) {
        QWidget* w = mostrar(nombre);
        ASSERT_NE(w, nullptr);
        QAccessibleInterface* i = interfaz(w);
        EXPECT_EQ(i->role(), QAccessible::Window) << nombre;
        EXPECT_EQ(i->text(QAccessible::Name), w->windowTitle()) << nombre;
    }
}

TEST_F(Accesibilidad, TheDateBoxesAreNamedByTheLabelsAboveThem) {
    QWidget* w = mostrar("frmDia");
    ASSERT_NE(w, nullptr);
    const struct {
        const char* caja;
        const char* nombre;
    } casos[] = {{"txtDia", "Día"}, {"txtMes", "Mes"}, {"txtAnio", "Año"}};
    for (const auto& c : casos) {
        QAccessibleInterface* i = interfaz(hijo<QLineEdit>(w, c.caja));
        EXPECT_EQ(i->role(), QAccessible::EditableText) << c.caja;
        EXPECT_EQ(i->text(QAccessible::Name), QString::fromUtf8(c.nombre)) << c.caja;
    }
}

}  // namespace
}  // namespace tarvolo::prueba
