#pragma once

#include <functional>
#include <memory>

#include "bandeja.h"
#include "calendar/reloj.h"
#include "instancia_unica.h"
#include "servicios/dialogos.h"
#include "servicios/dibujo.h"
#include "servicios/hilo_ventanas.h"
#include "servicios/impresora.h"
#include "servicios/lanzador.h"
#include "servicios/mensajes.h"
#include "servicios/registro.h"
#include "servicios/ventana.h"
#include "temporizador_limite.h"

namespace tarvolo {

// Everything the program takes from the system it runs on: its window
// system, message box, clock, notification area, channel to later starts,
// the week's alarm, printer, registry, program launcher, file dialogs, PNG
// writer, the way back to the windows' thread, and its event loop. One back end a system implements it; main() picks the one.
class Plataforma {
public:
    virtual ~Plataforma() = default;

    virtual Pantalla& pantalla() = 0;
    virtual Mensajes& mensajes() = 0;
    virtual const Reloj& reloj() = 0;
    virtual Bandeja& bandeja() = 0;
    virtual CanalInstancia& canal() = 0;
    virtual std::unique_ptr<TemporizadorLimite> alarma() = 0;
    virtual std::unique_ptr<Impresora> impresora() = 0;
    virtual Registro& registro() = 0;
    virtual Lanzador& lanzador() = 0;
    virtual Dialogos& dialogos() = 0;
    virtual HiloVentanas& hiloVentanas() = 0;
    // Empty where the system's own libraries write no PNG.
    virtual EscritorPng escritorPng() = 0;

    // Runs the events until terminar(); its result is the program's.
    virtual int bucle() = 0;
    // Ends the program at once.
    virtual void terminar() = 0;
    // Called when the system ends the session (log-off, shut-down) or the
    // program is told to quit from outside.
    virtual void alTerminarSesion(std::function<void()> aviso) = 0;
};

// The platform of the system the program was built for: each back end
// defines it, and the build links the one.
std::unique_ptr<Plataforma> plataformaDelSistema(int& argc, char** argv);

// The program, start to end, on a platform: the one per session rule, the
// forms, frmIni, the week that the tray follows, and the event loop.
int arrancar(Plataforma& plataforma);

}  // namespace tarvolo
