#pragma once

#include "servicios/impresora.h"
#include "servicios/lanzador.h"
#include "servicios/registro.h"
#include "servicios/servicios.h"

namespace tarvolo {

// The program's five windows, registered by name, with the printer, registry
// and program launcher they use.
class VentanasDelPrograma {
public:
    VentanasDelPrograma(Servicios& servicios, FabricaImpresora impresora, Registro& registro,
                        Lanzador& lanzador);
    ~VentanasDelPrograma();

    VentanasDelPrograma(const VentanasDelPrograma&) = delete;
    VentanasDelPrograma& operator=(const VentanasDelPrograma&) = delete;

private:
    Servicios& servicios_;
};

}  // namespace tarvolo
