// The window registry: one instance per name, loaded on first show, gone
// when closed by any means.
#include "shell/ventanas.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPointer>
#include <QStringList>

namespace tarvolo {
namespace {

// Counts its loads and the close handlers that ran.
struct Contadores {
    int cargas = 0;
    int cierres = 0;
};

class VentanaContada : public QWidget {
public:
    explicit VentanaContada(Contadores& c) : c_(c) { ++c_.cargas; }

protected:
    void closeEvent(QCloseEvent* e) override {
        ++c_.cierres;
        QWidget::closeEvent(e);
    }

private:
    Contadores& c_;
};

class VentanasTest : public ::testing::Test {
protected:
    void SetUp() override {
        ventanas.registrar("frmHoy", [this] { return new VentanaContada(hoy); });
        ventanas.registrar("frmDia", [this] { return new VentanaContada(dia); });
    }
    void TearDown() override { ventanas.descargarTodas(); }
    static void procesarEventos() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    Ventanas ventanas;
    Contadores hoy, dia;
};

TEST_F(VentanasTest, ShowingLoadsOnceAndThenBringsTheSameWindowForward) {
    QWidget* primera = ventanas.mostrar("frmHoy");
    ASSERT_NE(primera, nullptr);
    EXPECT_TRUE(primera->isVisible());
    EXPECT_EQ(ventanas.mostrar("frmHoy"), primera);
    EXPECT_EQ(hoy.cargas, 1);
    EXPECT_EQ(ventanas.abierta("frmHoy"), primera);
    EXPECT_EQ(ventanas.abierta("frmDia"), nullptr);
}

[[maybe_unused]] QStringList avisos;
[[maybe_unused]] void grabarAviso(QtMsgType tipo, const QMessageLogContext&, const QString& texto) {
    if (tipo == QtWarningMsg) avisos.append(texto);
}

// A release build logs the slip and shows nothing; a debug one stops there.
TEST_F(VentanasTest, AnUnknownNameShowsNothing) {
#ifdef QT_NO_DEBUG
    avisos.clear();
    const QtMessageHandler anterior = qInstallMessageHandler(grabarAviso);
    QWidget* mostrada = ventanas.mostrar("frmNinguna");
    qInstallMessageHandler(anterior);
    EXPECT_EQ(mostrada, nullptr);
    ASSERT_EQ(avisos.size(), 1);
    EXPECT_TRUE(avisos.first().contains(QStringLiteral("\"frmNinguna\""))) << avisos.first().toStdString();
#else
    EXPECT_DEATH(ventanas.mostrar("frmNinguna"), "");
#endif
}

TEST_F(VentanasTest, UnloadingClosesAndDiscardsTheWindowAndIgnoresOneNotLoaded) {
    QPointer<QWidget> ventana = ventanas.mostrar("frmHoy");
    ventanas.descargar("frmDia");
    ventanas.descargar("frmHoy");
    EXPECT_EQ(hoy.cierres, 1);
    EXPECT_EQ(ventanas.abierta("frmHoy"), nullptr);
    procesarEventos();
    EXPECT_TRUE(ventana.isNull());
}

TEST_F(VentanasTest, AWindowClosedWithItsFrameIsUnloadedAtOnce) {
    QPointer<QWidget> cerrada = ventanas.mostrar("frmHoy");
    cerrada->close();
    // Qt deletes it only on the next turn of the event loop; showing it again
    // before then must load a fresh window, not bring back the closing one.
    EXPECT_EQ(ventanas.abierta("frmHoy"), nullptr);
    QWidget* nueva = ventanas.mostrar("frmHoy");
    EXPECT_NE(nueva, cerrada.data());
    EXPECT_EQ(hoy.cargas, 2);
    procesarEventos();
    EXPECT_TRUE(cerrada.isNull());
    EXPECT_EQ(ventanas.abierta("frmHoy"), nueva);
}

TEST_F(VentanasTest, UnloadingAllRunsNoCloseHandlers) {
    QPointer<QWidget> a = ventanas.mostrar("frmHoy");
    QPointer<QWidget> b = ventanas.mostrar("frmDia");
    ventanas.descargarTodas();
    EXPECT_TRUE(a.isNull());
    EXPECT_TRUE(b.isNull());
    EXPECT_EQ(hoy.cierres + dia.cierres, 0);
    EXPECT_EQ(ventanas.abierta("frmHoy"), nullptr);
}

}  // namespace
}  // namespace tarvolo
