#pragma once

#include "servicios/lanzador.h"

namespace tarvolo {

// Files by their attributes and programs by CreateProcessW, with UTF-8 paths
// turned into the wide ones Windows names files by.
class LanzadorWin32 final : public Lanzador {
public:
    bool existeArchivo(const std::string& ruta) const override;
    bool iniciar(const std::string& programa) override;
};

}  // namespace tarvolo
