#pragma once

#include "servicios/dialogos.h"

namespace tarvolo {

// The common dialogs of comdlg32, owned by the thread's active window.
class DialogosWin32 final : public Dialogos {
public:
    std::optional<std::string> abrir(std::string_view titulo, std::span<const TipoArchivo> tipos) override;
    std::optional<Eleccion> guardar(std::string_view titulo, std::string_view propuesto,
                                    std::span<const TipoArchivo> tipos) override;
};

}  // namespace tarvolo
