#pragma once

#include <QApplication>
#include <memory>

#include "bandeja_qt.h"
#include "calendar/reloj.h"
#include "canal_local.h"
#include "dialogos_qt.h"
#include "hilo_ventanas_qt.h"
#include "lanzador_qt.h"
#include "mensajes_qt.h"
#include "pantalla_qt.h"
#include "shell/plataforma.h"

namespace tarvolo {

// The program on Qt: its application (set up before anything is shown), the
// windows, the tray, the message box, the channel between starts in the
// session's runtime folder, the printer of the print server, Qt's file
// dialogs and PNG writer, and no registry.
class PlataformaQt final : public Plataforma {
public:
    // `argc` lives as long as the program, as Qt needs.
    PlataformaQt(int& argc, char** argv);
    ~PlataformaQt() override;

    Pantalla& pantalla() override { return pantalla_; }
    Mensajes& mensajes() override { return mensajes_; }
    const Reloj& reloj() override { return reloj_; }
    Bandeja& bandeja() override { return bandeja_; }
    CanalInstancia& canal() override { return canal_; }
    std::unique_ptr<TemporizadorLimite> alarma() override;
    std::unique_ptr<Impresora> impresora() override;
    Registro& registro() override { return *registro_; }
    Lanzador& lanzador() override { return lanzador_; }
    Dialogos& dialogos() override { return dialogos_; }
    HiloVentanas& hiloVentanas() override { return hilo_; }
    EscritorPng escritorPng() override;

    int bucle() override;
    void terminar() override;
    void alTerminarSesion(std::function<void()> aviso) override;

private:
    QApplication app_;
    RelojSistema reloj_;
    MensajesQt mensajes_;
    PantallaQt pantalla_{reloj_};
    BandejaQt bandeja_;
    CanalLocal canal_;
    std::unique_ptr<Registro> registro_;
    LanzadorQt lanzador_;
    DialogosQt dialogos_;
    HiloVentanasQt hilo_;
};

}  // namespace tarvolo
