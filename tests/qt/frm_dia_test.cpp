#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "entorno_ventanas.h"

namespace tarvolo::prueba {
namespace {

class FrmDiaTest : public EntornoVentanas {
protected:
    FrmDiaTest() : EntornoVentanas("frmDia") {}

    QLineEdit* caja(const char* nombre) const { return hijo<QLineEdit>(w, nombre); }
    QString cajas() const {
        return caja("txtDia")->text() + "/" + caja("txtMes")->text() + "/" + caja("txtAnio")->text();
    }
    QString sem() const { return hijo<QLabel>(w, "lblSem")->text(); }
    QString primeraLinea() const { return hijo<QLabel>(w, "lblSemana")->text().section('\n', 0, 0); }
    QString ultimaLinea() const { return hijo<QLabel>(w, "lblSemana")->text().section('\n', -1); }
    // The day the real month calendar has selected.
    QCalendarWidget* calendario() const { return hijo<QCalendarWidget>(w, "Calendar1"); }
    QDate elegido() const { return calendario()->selectedDate(); }
    // The user picks a day: Enter on the calendar is the control's "activated".
    void elegir(const QDate& dia) {
        calendario()->setSelectedDate(dia);
        QTest::keyClick(calendario()->focusProxy() ? calendario()->focusProxy() : calendario(),
                        Qt::Key_Return);
    }

    // Selects the whole box and types over it, key by key.
    void teclear(const char* nombre, const QString& texto) {
        QLineEdit* c = caja(nombre);
        c->setFocus();
        c->selectAll();
        QTest::keyClicks(c, texto);
    }
};

TEST_F(FrmDiaTest, OpensOnTodayWithoutMessagesAfterTwoPartialDates) {
    EXPECT_EQ(cajas(), QStringLiteral("5/3/2005"));
    EXPECT_EQ(sem(), QStringLiteral("Semana Epidemiológica 9"));
    EXPECT_EQ(primeraLinea(), QStringLiteral("El sábado 05 de marzo de 2005"));
    EXPECT_EQ(elegido(), QDate(2005, 3, 5));
    EXPECT_EQ(calendario()->monthShown(), 3);
    EXPECT_TRUE(mensajes.textos.empty());
}

TEST_F(FrmDiaTest, WindowCaptionMenusLayoutAndFocus) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Buscar Semana Por Día"));
    EXPECT_EQ(
        barraDeMenus(w),
        (QStringList{"&Archivo[&Salir]", "Semanas[Actual|Por Año|~Por Día|Canal Endémico]", "Acerca de.."}));
    EXPECT_EQ(hijo(w, "area")->size(), QSize(pixeles(w, 4605), pixeles(w, 5685)));
    EXPECT_EQ(hijo(w, "Calendar1")->geometry(), enPixeles(w, 675, 960, 3240, 2535));
    EXPECT_EQ(hijo(w, "txtAnio")->geometry(), enPixeles(w, 2925, 3720, 855, 285));
    EXPECT_EQ(hijo(w, "lblSemana")->geometry(), enPixeles(w, 375, 4560, 3855, 975));
    EXPECT_EQ(hijo<QLabel>(w, "Label4")->text(), QStringLiteral("Año"));
    EXPECT_TRUE(hijo(w, "lblSem")->font().bold());

    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_EQ(QApplication::focusWidget(), caja("txtMes"));
    QStringList orden;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        // The month calendar takes the focus in the day grid it is made of.
        QWidget* foco = QApplication::focusWidget();
        orden.append(calendario()->isAncestorOf(foco) ? calendario()->objectName() : foco->objectName());
    }
    EXPECT_EQ(orden, (QStringList{"txtAnio", "Calendar1", "txtDia", "txtMes"}));
}

TEST_F(FrmDiaTest, TypingDigitByDigitPassesOverImpossibleDatesSilently) {
    teclear("txtMes", "4");
    teclear("txtAnio", "2005");
    teclear("txtDia", "3");
    EXPECT_EQ(primeraLinea(), QStringLiteral("El domingo 03 de abril de 2005"));
    EXPECT_EQ(sem(), QStringLiteral("Semana Epidemiológica 14"));
    EXPECT_EQ(elegido(), QDate(2005, 4, 3));

    QTest::keyClicks(caja("txtDia"), "1");  // 31/4/2005 is no date
    EXPECT_EQ(caja("txtDia")->text(), QStringLiteral("31"));
    EXPECT_EQ(primeraLinea(), QStringLiteral("El domingo 03 de abril de 2005"));
    EXPECT_EQ(elegido(), QDate(2005, 4, 3));

    teclear("txtMes", "5");
    EXPECT_EQ(sem(), QStringLiteral("Semana Epidemiológica 22"));
    EXPECT_EQ(primeraLinea(), QStringLiteral("El martes 31 de mayo de 2005"));
    EXPECT_EQ(elegido(), QDate(2005, 5, 31));
    EXPECT_TRUE(mensajes.textos.empty());
}

TEST_F(FrmDiaTest, LettersAndEmptyBoxesLeaveTheLastValidDate) {
    teclear("txtAnio", "20x5");
    caja("txtDia")->clear();
    EXPECT_EQ(primeraLinea(), QStringLiteral("El sábado 05 de marzo de 2005"));
    EXPECT_EQ(elegido(), QDate(2005, 3, 5));
    EXPECT_TRUE(mensajes.textos.empty());
}

TEST_F(FrmDiaTest, PickInTheCalendarFillsTheBoxesAndLabels) {
    elegir(QDate(2005, 1, 1));
    EXPECT_EQ(cajas(), QStringLiteral("1/1/2005"));
    EXPECT_EQ(sem(), QStringLiteral("Semana Epidemiológica 52"));
    EXPECT_EQ(ultimaLinea(), QStringLiteral("del año epidemiológico 2004"));
    EXPECT_EQ(elegido(), QDate(2005, 1, 1));
    EXPECT_TRUE(mensajes.textos.empty());
}

TEST_F(FrmDiaTest, LongestDescriptionsFitTheirLabels) {
    // The longest weekday and month names, and two-digit week numbers.
    for (const QDate& f : {QDate(2009, 9, 30), QDate(2008, 12, 31), QDate(2015, 1, 3)}) {
        elegir(f);
        for (const char* nombre : {"lblSem", "lblSemana"}) {
            const auto* etiqueta = hijo<QLabel>(w, nombre);
            for (const QString& linea : etiqueta->text().split(u'\n'))
                EXPECT_LE(etiqueta->fontMetrics().horizontalAdvance(linea), etiqueta->width())
                    << nombre << ": " << linea.toStdString();
        }
    }
}

TEST_F(FrmDiaTest, CalendarRefusalIsShownAndLabelsAlreadyMoved) {
    calendario()->setMinimumDate(QDate(1900, 1, 1));
    teclear("txtAnio", "1850");
    // "1" and "18" form no date; "185" and "1850" do, and the calendar refuses both.
    EXPECT_EQ(textos(mensajes), (QStringList{"El valor de la propiedad no es válido",
                                             "El valor de la propiedad no es válido"}));
    EXPECT_EQ(primeraLinea(), QStringLiteral("El martes 05 de marzo de 1850"));
    EXPECT_EQ(elegido(), QDate(2005, 3, 5));
}

TEST_F(FrmDiaTest, OwnEntryIsDisabledAndDoesNothing) {
    QAction* dia = accion(w, "mnuDia");
    EXPECT_FALSE(dia->isEnabled());
    dia->trigger();
    EXPECT_EQ(abiertas(), QStringList{"frmDia"});
}

}  // namespace
}  // namespace tarvolo::prueba
