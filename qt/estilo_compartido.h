#pragma once

#include <QIcon>
#include <QPalette>
#include <QProxyStyle>
#include <array>
#include <map>

namespace tarvolo {

// The desktop's own style, handed palettes that look alike as one shared
// palette. The style caches what it draws under keys that name the palette
// object, and every window that sets its own white background has a palette
// object of its own; Qt's pixmap cache keeps every key it was ever given, so
// each window opened would leave its keys behind for the rest of the run.
class EstiloCompartido final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement elemento, const QStyleOption* opcion, QPainter* pintor,
                       const QWidget* control) const override;
    void drawControl(ControlElement elemento, const QStyleOption* opcion, QPainter* pintor,
                     const QWidget* control) const override;
    void drawComplexControl(ComplexControl elemento, const QStyleOptionComplex* opcion, QPainter* pintor,
                            const QWidget* control) const override;

    // One icon a kind for the run: a fresh one's pictures (the month
    // calendar's arrows, made with each calendar) would be new keys too.
    QIcon standardIcon(StandardPixmap tipo, const QStyleOption* opcion,
                       const QWidget* control) const override;

    // The shared palette that looks like `paleta`.
    const QPalette& compartida(const QPalette& paleta) const;

private:
    using Colores = std::array<QRgb, 2 * QPalette::NColorGroups * QPalette::NColorRoles>;
    // The windows use two or three palettes; each is kept once.
    mutable std::map<Colores, QPalette> paletas_;
    mutable std::map<StandardPixmap, QIcon> iconos_;
};

}  // namespace tarvolo
