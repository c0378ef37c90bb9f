#pragma once

#include <string>
#include <string_view>

#include "servicios/formulario.h"
#include "servicios/servicios.h"
#include "shell/nombres_ventanas.h"

namespace tarvolo {

// What every window of the program shares: the services around it, leaving
// for another window, unloading itself, and its controls' texts by name.
// Each window keeps its own design and handlers.
class VentanaPrograma : public Formulario {
public:
    std::string_view nombre() const { return diseno().nombre; }

    // The entries of the windows' "Semanas" menus and their "Acerca de":
    // each leaves this window for the one it names.
    void mnuActual_Click() { cambiarA(kFrmHoy); }
    void mnuDia_Click() { cambiarA(kFrmDia); }
    void mnuAnio_Click() { cambiarA(kFrmRango); }
    void mnuCanal_Click() { cambiarA(kFrmCanal); }
    void mnuAbout_Click() { cambiarA(kFrmAbout); }

protected:
    explicit VentanaPrograma(const Servicios& servicios) : servicios_(servicios) {}

    // Unloads this window, then shows `otra`; a failure is reported, not thrown.
    void cambiarA(std::string_view otra);
    // Unloads this window (no error trap: the caller chooses).
    void descargarme();
    // The same under the common error trap.
    void cerrar();

    std::string texto(std::string_view control) const { return ventana().texto(control); }
    void fijarTexto(std::string_view control, std::string_view texto) {
        ventana().fijarTexto(control, texto);
    }

    Servicios servicios_;
};

}  // namespace tarvolo
