#pragma once

#include "servicios/mensajes.h"

namespace tarvolo {

// The system's message box: the text, OK only, no icon, "Tarvolo" as
// caption, owned by the program's active window if there is one.
class MensajesWin32 final : public Mensajes {
public:
    void mostrar(std::string_view texto) override;
};

}  // namespace tarvolo
