#include "frm_about.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "creditos.h"
#include "disposicion.h"
#include "resources/recursos.h"
#include "shell/nombres_ventanas.h"
#include "shell/programa.h"
#include "sistema/info_sistema.h"

namespace tarvolo {

frmAbout::frmAbout(Servicios& servicios, Registro& registro, Lanzador& lanzador)
    : VentanaPrograma(servicios, kFrmAbout), registro_(registro), lanzador_(lanzador) {
    prepararMarco(this, QStringLiteral("Acerca de Tarvolo"), false);
    fondoBlanco(this);
    setFixedSize(pixeles(this, 6000), pixeles(this, 4020));
    crearControles();
    centrarEnPantalla(this);
    Form_Load();
}

void frmAbout::crearControles() {
    const QString sansSerif = caraDeInterfaz();
    const QFont negrita = fuente(sansSerif, 8.25, true);
    imagen(this, "Picture1", rutaImagen(Imagen::Icono32), Ajuste::Estirada, 240, 240, 480, 480);
    imagen(this, "Image2", rutaImagen(Imagen::Logo), Ajuste::Estirada, 120, 900, 780, 228);
    // The banner first, so the organisation's lines lie on it.
    imagen(this, "Image3", rutaImagen(Imagen::Banner), Ajuste::Estirada, 1050, 1500, 3735, 1140);
    imagen(this, "Image1", rutaImagen(Imagen::Emblema), Ajuste::Estirada, 4980, 1560, 675, 945);

    lblTitle_ = etiqueta(this, "lblTitle", QStringLiteral("Semanas Epidemiológicas"),
                         fuente(QStringLiteral("Arial"), 12, true), 1050, 240, 3735, 480);
    lblVersion_ = etiqueta(this, "lblVersion", QStringLiteral("Versión 1.0"),
                           fuente(QStringLiteral("Arial"), 8.25, true), 1050, 720, 3735, 225);
    QLabel* descripcion = etiqueta(
        this, "lblDescription", QStringLiteral("Aplicación que permite averiguar semanas epidemiológicas."),
        1050, 1005, 3735, 435);
    descripcion->setWordWrap(true);

    etiqueta(this, "lblDir", departamentoDelAutor(), negrita, 1200, 1560, 3000, 240);
    etiqueta(this, "Label1", ministerioDelAutor(), negrita, 1200, 1800, 3000, 240);
    etiqueta(this, "Label3", paisDelAutor(), negrita, 1200, 2040, 3000, 240);
    etiqueta(this, "Label2", QStringLiteral("Octubre de 2004"), 1200, 2310, 3000, 240);

    // An etched separator: a grey line over a white one.
    auto* line1 = new QFrame(this);
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Sunken);
    ubicar(line1, "Line1", 225, 2820, 5550, 30);

    etiqueta(this, "lblAutor", creditoDesarrollo(), 255, 3000, 3800, 255);
    etiqueta(this, "lblmail", correoDesarrollo(), 255, 3255, 3800, 255);
    etiqueta(this, "lblDisclaimer", QString(), 255, 3540, 3800, 400)->setWordWrap(true);

    cmdOK_ = new QPushButton(QStringLiteral("Aceptar"), this);
    cmdOK_->setDefault(true);
    ubicar(cmdOK_, "cmdOK", 4245, 3000, 1500, 375);
    connect(cmdOK_, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    // "Aceptar" is both the default and the cancel button.
    fijarBotones(cmdOK_, cmdOK_);

    auto* cmdSysInfo = new QPushButton(QStringLiteral("&Información..."), this);
    // Enter on this button when it has the focus presses it, as in a dialog.
    cmdSysInfo->setAutoDefault(true);
    ubicar(cmdSysInfo, "cmdSysInfo", 4245, 3480, 1500, 375);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    setTabOrder(cmdOK_, cmdSysInfo);
    cmdOK_->setFocus();
}

void frmAbout::Form_Load() {
    setWindowTitle(QStringLiteral("Acerca de ") + tituloPrograma());
    lblVersion_->setText(QStringLiteral("Versión ") + textoVersion());
    lblTitle_->setText(tituloPrograma());
}

void frmAbout::cmdOK_Click() {
    descargarme();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::StartSysInfo() {
    // Through GetKeyValue, so the button reads the registry as that operation does.
    iniciarInfoSistema([this](std::uint32_t raiz, const QString& clave, const QString& nombre,
                              QString& valor) { return GetKeyValue(raiz, clave, nombre, valor); },
                       lanzador_, servicios_.mensajes);
}

bool frmAbout::GetKeyValue(std::uint32_t KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                           QString& KeyVal) {
    return leerValorRegistro(registro_, KeyRoot, KeyName.toLocal8Bit().toStdString(),
                             SubKeyRef.toLocal8Bit().toStdString(), KeyVal);
}

}  // namespace tarvolo
