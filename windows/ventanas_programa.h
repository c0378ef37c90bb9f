#pragma once

#include "servicios/dialogos.h"
#include "servicios/dibujo.h"
#include "servicios/hilo_ventanas.h"
#include "servicios/impresora.h"
#include "servicios/lanzador.h"
#include "servicios/registro.h"
#include "servicios/servicios.h"

namespace tarvolo {

// What the endemic channel's window takes from the system beyond what every
// window has: file dialogs, the windows' thread for its background reading,
// and PNG where the system writes it.
struct ServiciosCanal {
    Dialogos& dialogos;
    HiloVentanas& hilo;
    EscritorPng png;
};

// The program's six windows, registered by name, with the printer, registry,
// program launcher and channel services they use.
class VentanasDelPrograma {
public:
    VentanasDelPrograma(Servicios& servicios, FabricaImpresora impresora, Registro& registro,
                        Lanzador& lanzador, ServiciosCanal canal);
    ~VentanasDelPrograma();

    VentanasDelPrograma(const VentanasDelPrograma&) = delete;
    VentanasDelPrograma& operator=(const VentanasDelPrograma&) = delete;

private:
    Servicios& servicios_;
};

}  // namespace tarvolo
