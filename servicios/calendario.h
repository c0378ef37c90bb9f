#pragma once

#include "calendar/dias.h"

namespace tarvolo {

// Number and description of a control's refusal of a date.
inline constexpr int kValorNoValido = 380;
inline constexpr const char* kTextoValorNoValido = "El valor de la propiedad no es válido";

// A month calendar control, as the date lookup window uses it. The user's
// pick of a day arrives as the control's click, never when the program sets
// the value.
class Calendario {
public:
    virtual ~Calendario() = default;
    // The selected date.
    virtual Fecha valor() const = 0;
    // Selects a date; a date the control does not take throws its own
    // ErrorEjecucion (never number 13).
    virtual void fijarValor(const Fecha& fecha) = 0;
    // Selects today and shows its month.
    virtual void irAHoy() = 0;
};

}  // namespace tarvolo
