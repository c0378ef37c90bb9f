#pragma once

#include <QPointer>
#include <functional>

#include "calendar/reloj.h"
#include "servicios/calendario.h"

class QCalendarWidget;
class QWidget;

namespace tarvolo {

// The month calendar on QCalendarWidget; "today" comes from the program's
// clock.
class CalendarioQt final : public Calendario {
public:
    CalendarioQt(const Reloj& reloj, QWidget* padre);
    // The widget outlives this a moment (it goes with its window): it calls
    // nothing more.
    ~CalendarioQt() override;
    CalendarioQt(const CalendarioQt&) = delete;
    CalendarioQt& operator=(const CalendarioQt&) = delete;

    // The widget, a child of the window's.
    QWidget* control() const;
    Fecha valor() const override;
    void fijarValor(const Fecha& fecha) override;
    void irAHoy() override;
    // Called after the user picks a day, never when the program sets the value.
    void alElegir(std::function<void()> aviso);

private:
    const Reloj& reloj_;
    QPointer<QCalendarWidget> calendario_;
    std::function<void()> aviso_;
};

}  // namespace tarvolo
