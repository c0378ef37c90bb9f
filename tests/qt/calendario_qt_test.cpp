#include "qt/calendario_qt.h"

#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QTableView>
#include <QTest>
#include <memory>

#include "calendar/error_ejecucion.h"
#include "falsos/reloj_fijo.h"

namespace tarvolo::prueba {
namespace {

using namespace std::chrono_literals;
using std::chrono::March;

class CalendarioQtTest : public ::testing::Test {
protected:
    RelojFijo reloj{2005y / March / 5};
    std::unique_ptr<QWidget> ventana = std::make_unique<QWidget>();
    CalendarioQt calendario{reloj, ventana.get()};
    QWidget* control = calendario.control();
    int elecciones = 0;

    void SetUp() override {
        calendario.alElegir([this] { ++elecciones; });
        ventana->show();
    }

    // The cell of a day of the month on show.
    QPoint celda(int dia) const {
        auto* vista = control->findChild<QTableView*>();
        const QAbstractItemModel* modelo = vista->model();
        for (int f = 0; f < modelo->rowCount(); ++f)
            for (int c = 0; c < modelo->columnCount(); ++c) {
                const QModelIndex i = modelo->index(f, c);
                if (modelo->data(i).toInt() == dia) return vista->visualRect(i).center();
            }
        ADD_FAILURE() << "no cell for " << dia;
        return {};
    }
};

TEST_F(CalendarioQtTest, ProgramChangesAreNotPicks) {
    calendario.fijarValor(2004y / std::chrono::December / 31);
    EXPECT_EQ(calendario.valor(), 2004y / std::chrono::December / 31);
    calendario.irAHoy();
    EXPECT_EQ(calendario.valor(), 2005y / March / 5);
    EXPECT_EQ(static_cast<QCalendarWidget*>(control)->monthShown(), 3);
    EXPECT_EQ(elecciones, 0);
}

TEST_F(CalendarioQtTest, WeeksRunSundayToSaturday) {
    EXPECT_EQ(static_cast<QCalendarWidget*>(control)->firstDayOfWeek(), Qt::Sunday);
}

TEST_F(CalendarioQtTest, AClickOnADayIsAPick) {
    calendario.irAHoy();
    auto* vista = control->findChild<QTableView*>();
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, celda(15));
    EXPECT_EQ(elecciones, 1);
    EXPECT_EQ(calendario.valor(), 2005y / March / 15);
}

TEST_F(CalendarioQtTest, RefusesADateOutsideItsRangeWithItsOwnError) {
    auto* widget = static_cast<QCalendarWidget*>(control);
    widget->setDateRange(QDate(1900, 1, 1), QDate(2100, 12, 31));
    calendario.fijarValor(2005y / March / 5);
    try {
        calendario.fijarValor(1899y / March / 5);
        ADD_FAILURE() << "accepted";
    } catch (const ErrorEjecucion& e) {
        EXPECT_NE(e.numero(), ErrorEjecucion::kTiposNoCoinciden);
        EXPECT_STREQ(e.what(), "El valor de la propiedad no es válido");
    }
    EXPECT_EQ(calendario.valor(), 2005y / March / 5);
}

}  // namespace
}  // namespace tarvolo::prueba
