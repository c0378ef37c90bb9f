#pragma once

#include <string>

#include "servicios/dialogos.h"

namespace tarvolo {

// The common dialogs of comdlg32, owned by the thread's active window.
class DialogosWin32 final : public Dialogos {
public:
    std::optional<std::string> abrir(std::string_view titulo, std::span<const TipoArchivo> tipos) override;
    std::optional<Eleccion> guardar(std::string_view titulo, std::string_view propuesto,
                                    std::span<const TipoArchivo> tipos) override;
};

// The dialogs' filter: for each kind its name as shown and its patterns,
// each ended by a NUL, and one more NUL at the end.
std::wstring filtroDeTipos(std::span<const TipoArchivo> tipos);

// The extension of a kind's first pattern ("*.svg;*.png" gives "svg"); empty
// for a pattern that names none.
std::wstring extensionDe(const TipoArchivo& tipo);

}  // namespace tarvolo
