#pragma once

#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "calendar/reloj.h"
#include "servicios/ventana.h"

class QMenu;
class QPushButton;

namespace tarvolo {

// Qt's windows for the forms: a widget per loaded form with its controls as
// child widgets named as designed (what tests and screen readers go by), Qt's
// signals turned into the forms' events.
class PantallaQt final : public Pantalla {
public:
    // "Today" for the month calendars comes from the program's clock.
    explicit PantallaQt(const Reloj& reloj) : reloj_(reloj) {}

    std::unique_ptr<Ventana> crear(const DisenoVentana& diseno, ReceptorEventos& receptor) override;

    // The widget of a window made here; null for any other.
    static QWidget* widget(const Ventana& ventana);
    // A menu of a window made here, by its name; null if it has none.
    static QMenu* menu(const Ventana& ventana, std::string_view nombre);

private:
    const Reloj& reloj_;
};

}  // namespace tarvolo
