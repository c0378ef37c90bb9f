#include "frm_hoy.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include "calendar/describir_dia.h"
#include "disposicion.h"
#include "resources/recursos.h"
#include "shell/error_trap.h"
#include "shell/nombres_ventanas.h"
#include "shell/programa.h"
#include "texto_pantalla.h"

namespace tarvolo {

frmHoy::frmHoy(Servicios& servicios) : VentanaPrograma(servicios, kFrmHoy) {
    prepararMarco(this, QStringLiteral("Semana Actual"));
    fondoBlanco(this);
    auto* barra = new QMenuBar(this);
    crearMenus(barra);
    crearControles(areaBajoMenu(this, barra, 5190, 3525));
    centrarEnPantalla(this);
    Form_Load();
}

void frmHoy::crearMenus(QMenuBar* barra) {
    QMenu* archivo = barra->addMenu(QStringLiteral("&Archivo"));
    archivo->setObjectName(QStringLiteral("mnuArchivo"));
    QAction* salir = archivo->addAction(QStringLiteral("&Salir"), this, &frmHoy::mnuSalir_Click);
    salir->setObjectName(QStringLiteral("mnuSalir"));

    QMenu* semanas = barra->addMenu(QStringLiteral("&Semanas"));
    semanas->setObjectName(QStringLiteral("mnuSemanas"));
    QAction* anio = semanas->addAction(QStringLiteral("Por A&ño"), this, &frmHoy::mnuAnio_Click);
    anio->setObjectName(QStringLiteral("mnuAnio"));
    QAction* dia = semanas->addAction(QStringLiteral("&Por Día"), this, &frmHoy::mnuDia_Click);
    dia->setObjectName(QStringLiteral("mnuDia"));

    QAction* about = barra->addAction(QStringLiteral("A&cerca de..."), this, &frmHoy::mnuAbout_Click);
    about->setObjectName(QStringLiteral("mnuAbout"));
}

void frmHoy::crearControles(QWidget* area) {
    imagen(area, "Picture2", rutaImagen(Imagen::EmblemaNombre), Ajuste::Natural, 1328, 120, 2535, 975);
    imagen(area, "Image1", rutaImagen(Imagen::Banner), Ajuste::Estirada, 165, 1320, 4860, 1170);

    // Created after the banner so that it lies on top of it.
    lblSemana_ = etiqueta(area, "lblSemana", {}, fuente(caraDeInterfaz(), 9.75), 165, 1320, 4860, 1170);
    lblSemana_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    cmdAceptar_ = new QPushButton(QStringLiteral("&Aceptar"), area);
    cmdAceptar_->setDefault(true);
    ubicar(cmdAceptar_, "cmdAceptar", 1680, 2760, 1815, 495);
    connect(cmdAceptar_, &QPushButton::clicked, this, &frmHoy::cmdAceptar_Click);
    // Enter presses it wherever the focus is.
    fijarBotones(cmdAceptar_);
    // The only control that takes the focus, so it has it when the window opens.
    cmdAceptar_->setFocus();
}

void frmHoy::Form_Load() {
    atrapar(servicios_.mensajes,
            [&] { lblSemana_->setText(textoEnPantalla(DescribirDia(servicios_.reloj.hoy()))); });
}

void frmHoy::cmdAceptar_Click() {
    atrapar(servicios_.mensajes, [&] { descargarme(); });
}

void frmHoy::mnuSalir_Click() {
    atrapar(servicios_.mensajes, [&] { descargarme(); });
}

void frmHoy::mnuAnio_Click() {
    cambiarA(kFrmRango);
}

void frmHoy::mnuDia_Click() {
    cambiarA(kFrmDia);
}

void frmHoy::mnuAbout_Click() {
    atrapar(servicios_.mensajes, [&] { servicios_.ventanas.mostrar(kFrmAbout); });
}

}  // namespace tarvolo
