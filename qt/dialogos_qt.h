#pragma once

#include "servicios/dialogos.h"

namespace tarvolo {

// Qt's file dialogs, over the program's active window.
class DialogosQt final : public Dialogos {
public:
    std::optional<std::string> abrir(std::string_view titulo, std::span<const TipoArchivo> tipos) override;
    std::optional<Eleccion> guardar(std::string_view titulo, std::string_view propuesto,
                                    std::span<const TipoArchivo> tipos) override;
};

}  // namespace tarvolo
