#include "estilo_compartido.h"

#include <QStyleOption>
#include <utility>

namespace tarvolo {

namespace {

// Lends the option the shared palette for one call of the style and gives it
// its own back after: the widget may draw again with the same option.
class PaletaPrestada {
public:
    PaletaPrestada(const QStyleOption* opcion, const EstiloCompartido& estilo)
        // The options are the widgets' own locals, passed const only by
        // convention; the palette is put back before the widget sees it.
        : opcion_(const_cast<QStyleOption*>(opcion)) {
        if (opcion_ != nullptr)
            propia_ = std::exchange(opcion_->palette, estilo.compartida(opcion_->palette));
    }
    ~PaletaPrestada() {
        if (opcion_ != nullptr) opcion_->palette = propia_;
    }
    PaletaPrestada(const PaletaPrestada&) = delete;
    PaletaPrestada& operator=(const PaletaPrestada&) = delete;

private:
    QStyleOption* opcion_;
    QPalette propia_;
};

}  // namespace

const QPalette& EstiloCompartido::compartida(const QPalette& paleta) const {
    Colores colores{};
    std::size_t i = 0;
    for (int g = 0; g < QPalette::NColorGroups; ++g) {
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const QBrush& pincel = paleta.brush(QPalette::ColorGroup(g), QPalette::ColorRole(r));
            colores[i++] = pincel.color().rgba();
            colores[i++] = static_cast<QRgb>(pincel.style());
        }
    }
    return paletas_.try_emplace(colores, paleta).first->second;
}

QIcon EstiloCompartido::standardIcon(StandardPixmap tipo, const QStyleOption* opcion,
                                     const QWidget* control) const {
    // The icons differ by kind only: the widget and the option are for the
    // sizes, which the icon gives on request.
    const auto hecho = iconos_.find(tipo);
    if (hecho != iconos_.end()) return hecho->second;
    return iconos_.emplace(tipo, QProxyStyle::standardIcon(tipo, opcion, control)).first->second;
}

void EstiloCompartido::drawPrimitive(PrimitiveElement elemento, const QStyleOption* opcion, QPainter* pintor,
                                     const QWidget* control) const {
    const PaletaPrestada prestada(opcion, *this);
    QProxyStyle::drawPrimitive(elemento, opcion, pintor, control);
}

void EstiloCompartido::drawControl(ControlElement elemento, const QStyleOption* opcion, QPainter* pintor,
                                   const QWidget* control) const {
    const PaletaPrestada prestada(opcion, *this);
    QProxyStyle::drawControl(elemento, opcion, pintor, control);
}

void EstiloCompartido::drawComplexControl(ComplexControl elemento, const QStyleOptionComplex* opcion,
                                          QPainter* pintor, const QWidget* control) const {
    const PaletaPrestada prestada(opcion, *this);
    QProxyStyle::drawComplexControl(elemento, opcion, pintor, control);
}

}  // namespace tarvolo
