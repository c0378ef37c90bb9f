#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "falsos/dialogos_falsos.h"
#include "falsos/falsos_ventanas.h"
#include "falsos/hilo_ventanas_falso.h"
#include "falsos/impresora_grabada.h"
#include "falsos/mensajes_grabados.h"
#include "falsos/reloj_fijo.h"
#include "servicios/servicios.h"
#include "windows/ventanas_programa.h"

namespace tarvolo::prueba {

using namespace std::chrono_literals;

// The program's six windows as it registers them, on the window system
// `P`, on a fixed today (5 March 2005 unless a test moves it), with recorded
// messages, a registry, launcher and file dialogs of the test's own, a
// windows' thread the test runs, and a printer that records its calls
// (failing where `fallarEn` says, its drawn page kept) unless the test gives
// another.
template <typename P>
class EntornoDe : public ::testing::Test {
protected:
    RelojFijo reloj{2005y / std::chrono::March / 5};
    MensajesGrabados mensajes;
    P pantalla{reloj};
    Ventanas ventanas{pantalla};
    Servicios servicios{ventanas, mensajes, reloj};
    RegistroFalso registro;
    LanzadorFalso lanzador;
    std::vector<std::string> llamadas;  // the printer's, in order
    std::string fallarEn;
    FabricaImpresora impresora = [this] {
        auto grabada = std::make_unique<ImpresoraGrabada>(llamadas);
        grabada->fallarEn = fallarEn;
        grabada->pagina = &paginaImpresa;
        return grabada;
    };
    std::optional<Dibujo> paginaImpresa;
    DialogosFalsos dialogos;
    HiloVentanasFalso hilo;
    // A PNG writer that says what it was given.
    EscritorPng png = [](const Dibujo& d) {
        return "PNG " + std::to_string(d.ancho()) + "x" + std::to_string(d.alto());
    };
    VentanasDelPrograma programa{servicios, [this] { return impresora(); }, registro, lanzador,
                                 ServiciosCanal{dialogos, hilo, png}};

    // The names of the windows loaded now, in a fixed order.
    std::vector<std::string> cargadas() const {
        std::vector<std::string> nombres;
        for (const char* n : {"frmHoy", "frmDia", "frmRango", "frmCanal", "frmAbout", "frmSplash"})
            if (ventanas.abierta(n) != nullptr) nombres.emplace_back(n);
        return nombres;
    }
};

}  // namespace tarvolo::prueba
