#include "qt/estilo_compartido.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <vector>

namespace tarvolo {
namespace {

// The desktop's style, noting the palette of every piece it is asked to draw.
class EstiloQueAnota final : public QProxyStyle {
public:
    explicit EstiloQueAnota(std::vector<qint64>& paletas)
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), paletas_(paletas) {}
    void drawPrimitive(PrimitiveElement e, const QStyleOption* o, QPainter* p,
                       const QWidget* w) const override {
        paletas_.push_back(o->palette.cacheKey());
        QProxyStyle::drawPrimitive(e, o, p, w);
    }

private:
    std::vector<qint64>& paletas_;
};

QPalette blanca() {
    QPalette p = QApplication::palette();
    p.setColor(QPalette::Window, Qt::white);  // a new palette object each time
    return p;
}

// Two windows with white palettes of their own: the style draws both with
// one palette, whose cache keys then repeat; the windows keep their own.
TEST(EstiloCompartido, WindowsThatLookAlikeAreDrawnWithOnePalette) {
    std::vector<qint64> vistas;
    EstiloCompartido estilo(new EstiloQueAnota(vistas));
    QImage lienzo(80, 30, QImage::Format_ARGB32);
    QPainter pintor(&lienzo);
    std::vector<qint64> propias;
    for (int ventana = 0; ventana < 2; ++ventana) {
        QStyleOptionButton boton;
        boton.rect = lienzo.rect();
        boton.palette = blanca();
        propias.push_back(boton.palette.cacheKey());
        estilo.drawPrimitive(QStyle::PE_PanelButtonCommand, &boton, &pintor, nullptr);
        EXPECT_EQ(boton.palette.cacheKey(), propias.back()) << "the option got its own palette back";
    }
    ASSERT_NE(propias[0], propias[1]);
    ASSERT_EQ(vistas.size(), 2u);
    EXPECT_EQ(vistas[0], vistas[1]);
    EXPECT_EQ(estilo.compartida(blanca()), blanca());
    EXPECT_NE(estilo.compartida(QApplication::palette()).cacheKey(), estilo.compartida(blanca()).cacheKey());
}

TEST(EstiloCompartido, AStandardIconIsMadeOnce) {
    EstiloCompartido estilo(QStyleFactory::create(QStringLiteral("Fusion")));
    EXPECT_EQ(estilo.standardIcon(QStyle::SP_ArrowLeft, nullptr, nullptr).cacheKey(),
              estilo.standardIcon(QStyle::SP_ArrowLeft, nullptr, nullptr).cacheKey());
    EXPECT_NE(estilo.standardIcon(QStyle::SP_ArrowLeft, nullptr, nullptr).cacheKey(),
              estilo.standardIcon(QStyle::SP_ArrowRight, nullptr, nullptr).cacheKey());
}

}  // namespace
}  // namespace tarvolo
