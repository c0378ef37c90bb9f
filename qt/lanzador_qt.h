#pragma once

#include "servicios/lanzador.h"

namespace tarvolo {

class LanzadorQt final : public Lanzador {
public:
    bool existeArchivo(const std::string& ruta) const override;
    bool iniciar(const std::string& programa) override;
};

}  // namespace tarvolo
