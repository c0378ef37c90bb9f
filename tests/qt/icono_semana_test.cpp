#include "qt/icono_semana.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSet>

#include "qt/recursos_qt.h"

namespace tarvolo {
namespace {

// The icon as a panel of the given colour shows it.
QImage sobrePanel(const QPixmap& icono, const QColor& panel) {
    QImage imagen(icono.size(), QImage::Format_RGB32);
    imagen.fill(panel);
    QPainter p(&imagen);
    p.drawPixmap(0, 0, icono);
    return imagen;
}

// Pixels that stand far from the panel's own colour, of those in the badge
// (the lower two thirds).
double apartados(const QImage& imagen, const QColor& panel) {
    int lejos = 0, todos = 0;
    for (int y = imagen.height() / 3; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x) {
            ++todos;
            if (std::abs(qGray(imagen.pixel(x, y)) - qGray(panel.rgb())) > 100) ++lejos;
        }
    return static_cast<double>(lejos) / todos;
}

TEST(IconoSemana, HasEveryTraySideAndTwiceThat) {
    const QIcon icono = iconoDeSemana(7);
    const QList<QSize> lados = icono.availableSizes();
    for (const int lado : {16, 22, 24, 32, 48, 64}) {
        EXPECT_TRUE(lados.contains(QSize(lado, lado))) << lado;
        EXPECT_EQ(icono.pixmap(lado).size(), QSize(lado, lado)) << lado;
    }
}

TEST(IconoSemana, TheBadgeStandsOutOnLightAndDarkPanels) {
    for (const int lado : kLadosIconoSemana) {
        const QPixmap icono = pixmapDeSemana(53, lado);
        // A dark badge on a white panel (its white digits aside); on a black
        // one its white edge and digits.
        EXPECT_GT(apartados(sobrePanel(icono, Qt::white), Qt::white), 0.35) << lado;
        EXPECT_GT(apartados(sobrePanel(icono, Qt::black), Qt::black), 0.15) << lado;
    }
}

TEST(IconoSemana, EveryWeekLooksDifferentEvenAtSixteenPixels) {
    QSet<QByteArray> vistos;
    for (int semana = 1; semana <= 53; ++semana) {
        const QImage imagen = pixmapDeSemana(semana, 16).toImage();
        vistos.insert(QByteArray(reinterpret_cast<const char*>(imagen.constBits()), imagen.sizeInBytes()));
    }
    EXPECT_EQ(vistos.size(), 53);
}

TEST(IconoSemana, TheSameWeekIsTheSameIconAndNotTheWindowsPicture) {
    EXPECT_EQ(iconoDeSemana(12).cacheKey(), iconoDeSemana(12).cacheKey());
    EXPECT_NE(iconoDeSemana(12).cacheKey(), iconoDeSemana(13).cacheKey());
    EXPECT_NE(iconoDeSemana(12).pixmap(32).toImage(), iconoPrograma().pixmap(32).toImage());
}

}  // namespace
}  // namespace tarvolo
