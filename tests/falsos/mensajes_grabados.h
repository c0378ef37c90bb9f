#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "servicios/mensajes.h"

namespace tarvolo {

// Keeps every message instead of showing it, so no test blocks on a modal
// dialog.
class MensajesGrabados final : public Mensajes {
public:
    void mostrar(std::string_view texto) override { textos.emplace_back(texto); }
    std::vector<std::string> textos;
};

}  // namespace tarvolo
