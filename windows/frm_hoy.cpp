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
    auto* picture2 = new QLabel(area);
    picture2->setObjectName(QStringLiteral("Picture2"));
    picture2->setPixmap(QPixmap(rutaImagen(Imagen::EmblemaNombre)));
    colocar(picture2, 1328, 120, 2535, 975);

    auto* image1 = new QLabel(area);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(QPixmap(rutaImagen(Imagen::Banner)));
    image1->setScaledContents(true);
    colocar(image1, 165, 1320, 4860, 1170);

    // Created after the banner so that it lies on top of it.
    lblSemana_ = new QLabel(area);
    lblSemana_->setObjectName(QStringLiteral("lblSemana"));
    lblSemana_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblSemana_->setFont(fuente(caraDeInterfaz(), 9.75));
    colocar(lblSemana_, 165, 1320, 4860, 1170);

    cmdAceptar_ = new QPushButton(QStringLiteral("&Aceptar"), area);
    cmdAceptar_->setObjectName(QStringLiteral("cmdAceptar"));
    cmdAceptar_->setDefault(true);
    colocar(cmdAceptar_, 1680, 2760, 1815, 495);
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
