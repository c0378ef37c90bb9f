#pragma once

#include <QWidget>

#include "servicios/dibujo.h"

namespace tarvolo {

// The drawing control: its drawing fitted to it on white, painted again
// from the shapes at every size.
class GraficoQt final : public QWidget {
    Q_OBJECT
public:
    explicit GraficoQt(QWidget* padre);

    void fijar(const Dibujo& dibujo);
    const Dibujo& dibujo() const noexcept { return dibujo_; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    Dibujo dibujo_;
};

}  // namespace tarvolo
