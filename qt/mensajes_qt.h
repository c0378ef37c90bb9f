#pragma once

#include "servicios/mensajes.h"

namespace tarvolo {

// The message box of Qt: the text, OK only, no icon, "Tarvolo" as caption.
class MensajesQt final : public Mensajes {
public:
    void mostrar(std::string_view texto) override;
};

}  // namespace tarvolo
