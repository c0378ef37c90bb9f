#pragma once

#include <QPointer>
#include <functional>
#include <memory>

#include "calendar/dias.h"
#include "calendar/reloj.h"

class QCalendarWidget;
class QWidget;

namespace tarvolo {

// The month calendar of the date lookup window, as the window uses it.
class Calendario {
public:
    virtual ~Calendario() = default;

    // The widget to place in the window (the window takes it as its child).
    virtual QWidget* control() = 0;
    // The selected date.
    virtual Fecha valor() const = 0;
    // Selects a date; a date the control does not take throws its own
    // ErrorEjecucion (never number 13).
    virtual void fijarValor(const Fecha& fecha) = 0;
    // Selects today and shows its month.
    virtual void irAHoy() = 0;
    // Called after the user picks a day, never when the program sets the value.
    virtual void alElegir(std::function<void()> aviso) = 0;
};

using FabricaCalendario = std::function<std::unique_ptr<Calendario>()>;

// The real one, on QCalendarWidget; "today" comes from the program's clock.
class CalendarioQt final : public Calendario {
public:
    explicit CalendarioQt(const Reloj& reloj);
    ~CalendarioQt() override;

    QWidget* control() override;
    Fecha valor() const override;
    void fijarValor(const Fecha& fecha) override;
    void irAHoy() override;
    void alElegir(std::function<void()> aviso) override;

    // Number and description of the refusal of a date outside the range.
    static constexpr int kValorNoValido = 380;

private:
    const Reloj& reloj_;
    // Owned by the window once placed; until then by this object.
    QPointer<QCalendarWidget> calendario_;
    std::unique_ptr<QCalendarWidget> sinColocar_;
    std::function<void()> aviso_;
};

}  // namespace tarvolo
