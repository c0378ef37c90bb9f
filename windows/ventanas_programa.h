#pragma once

#include <memory>

#include "shell/servicios.h"
#include "sistema/lanzador.h"
#include "sistema/registro.h"

namespace tarvolo {

// The program's five windows with their real back ends (month calendar,
// registry, program launcher, printer), registered by name.
class VentanasDelPrograma {
public:
    explicit VentanasDelPrograma(Servicios& servicios);
    ~VentanasDelPrograma();

    VentanasDelPrograma(const VentanasDelPrograma&) = delete;
    VentanasDelPrograma& operator=(const VentanasDelPrograma&) = delete;

private:
    Servicios& servicios_;
    std::unique_ptr<Registro> registro_;
    LanzadorQt lanzador_;
};

}  // namespace tarvolo
