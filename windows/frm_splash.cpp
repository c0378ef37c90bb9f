#include "frm_splash.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QTimer>

#include "creditos.h"
#include "disposicion.h"
#include "resources/recursos.h"
#include "shell/error_trap.h"
#include "shell/nombres_ventanas.h"
#include "shell/programa.h"

namespace tarvolo {

frmSplash::frmSplash(Servicios& servicios) : VentanaPrograma(servicios, kFrmSplash) {
    // A title bar without any system button, and no task-bar button.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(tituloPrograma());
    setFixedSize(pixeles(this, 7380), pixeles(this, 4245));
    crearControles();
    centrarEnPantalla(this);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    // Three seconds, not the up to 5 % less that a coarse timer allows.
    timer1_->setTimerType(Qt::PreciseTimer);
    timer1_->setInterval(kIntervaloMs);
    connect(timer1_, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    timer1_->start();

    installEventFilter(this);
    for (QWidget* hijo : findChildren<QWidget*>()) hijo->installEventFilter(this);
    Form_Load();
}

void frmSplash::crearControles() {
    const QString arial = QStringLiteral("Arial");
    const QString sansSerif = caraDeInterfaz();

    frame1_ = new QFrame(this);
    fondoBlanco(frame1_);
    ubicar(frame1_, "Frame1", 120, 120, 7200, 4005);

    imagen(frame1_, "Picture3", rutaImagen(Imagen::Logo), Ajuste::Natural, 120, 120, 3750, 1095);
    imagen(frame1_, "Picture2", rutaImagen(Imagen::Banner), Ajuste::Estirada, 4560, 120, 2295, 1095);

    lblProductName_ = etiquetaAjustada(frame1_, "lblProductName", QStringLiteral("Producto"),
                                       fuente(arial, 26.25, true), 1680, 1740);

    etiqueta(frame1_, "Label1", QStringLiteral("Semanas Epidemiológicas"), fuente(sansSerif, 13.5), 1680,
             2280, 4095, 735);

    lblVersion_ = etiquetaAjustada(frame1_, "lblVersion", QStringLiteral("Versión"), fuente(arial, 12, true),
                                   6000, 3300);
    lblVersion_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    derechaVersion_ = lblVersion_->geometry().right();

    etiqueta(frame1_, "lblWarning", creditoDesarrollo(), fuente(arial, 8.25), 120, 3660, 4215, 315);
    etiqueta(frame1_, "Label2", paisDelAutor(), fuente(sansSerif, 8.25, true), 2880, 3660, 2055, 255);
    etiqueta(frame1_, "lblLicenseTo", QString(), fuente(arial, 8.25), 4200, 3660, 2775, 255)
        ->setAlignment(Qt::AlignRight | Qt::AlignTop);

    // A click on a label or picture stays there instead of reaching the frame.
    for (QLabel* l : frame1_->findChildren<QLabel*>()) l->setAttribute(Qt::WA_NoMousePropagation);
}

void frmSplash::Form_Load() {
    atrapar(servicios_.mensajes, [&] {
        lblVersion_->setText(QStringLiteral("Versión ") + textoVersion());
        // Sized to its text and right-aligned: it grows to the left, so the
        // longer line stays inside the frame.
        lblVersion_->adjustSize();
        lblVersion_->move(derechaVersion_ - lblVersion_->width() + 1, lblVersion_->y());
        lblProductName_->setText(tituloPrograma());
        lblProductName_->adjustSize();
    });
}

void frmSplash::Form_KeyPress() {
    atrapar(servicios_.mensajes, [&] { terminar(); });
}

void frmSplash::Timer1_Timer() {
    atrapar(servicios_.mensajes, [&] { terminar(); });
}

void frmSplash::Frame1_Click() {
    atrapar(servicios_.mensajes, [&] { terminar(); });
}

void frmSplash::terminar() {
    timer1_->stop();
    descargarme();
}

bool frmSplash::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress) {
        Form_KeyPress();
        return true;  // the key is not used otherwise
    }
    if (objeto == frame1_ && evento->type() == QEvent::MouseButtonRelease) {
        Frame1_Click();
        return true;
    }
    return QWidget::eventFilter(objeto, evento);
}

}  // namespace tarvolo
