#include "plataforma_qt.h"

#include "alarmas.h"
#include "aplicacion.h"
#include "impresora_qt.h"
#include "lienzo_qt.h"

namespace tarvolo {

PlataformaQt::PlataformaQt(int& argc, char** argv)
    : app_(argc, argv), canal_(CanalLocal::rutaDeLaSesion()), registro_(registroDelSistema()) {
    prepararAplicacion(app_);
}

PlataformaQt::~PlataformaQt() {
    // Windows unloaded at the end wait for the event loop to delete them;
    // it has stopped, so they go here, before the application.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::unique_ptr<TemporizadorLimite> PlataformaQt::alarma() {
    return temporizadorDelSistema();
}

std::unique_ptr<Impresora> PlataformaQt::impresora() {
    return std::make_unique<ImpresoraQt>();
}

EscritorPng PlataformaQt::escritorPng() {
    return pngDeDibujo;
}

int PlataformaQt::bucle() {
    return QApplication::exec();
}

void PlataformaQt::terminar() {
    QApplication::exit(0);
}

void PlataformaQt::alTerminarSesion(std::function<void()> aviso) {
    alTerminarLaSesion(app_, &app_, std::move(aviso));
}

std::unique_ptr<Plataforma> plataformaDelSistema(int& argc, char** argv) {
    return std::make_unique<PlataformaQt>(argc, argv);
}

}  // namespace tarvolo
