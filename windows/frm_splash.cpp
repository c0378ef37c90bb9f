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

namespace {

QLabel* etiqueta(QWidget* padre, const char* nombre, const QString& texto, const QFont& f) {
    auto* l = new QLabel(texto, padre);
    l->setObjectName(QString::fromLatin1(nombre));
    l->setFont(f);
    // A click on a label or picture stays there instead of reaching the frame.
    l->setAttribute(Qt::WA_NoMousePropagation);
    return l;
}

}  // namespace

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
    frame1_->setObjectName(QStringLiteral("Frame1"));
    fondoBlanco(frame1_);
    colocar(frame1_, 120, 120, 7200, 4005);

    QLabel* picture3 = etiqueta(frame1_, "Picture3", {}, font());
    picture3->setPixmap(QPixmap(rutaImagen(Imagen::Logo)));
    colocar(picture3, 120, 120, 3750, 1095);
    QLabel* picture2 = etiqueta(frame1_, "Picture2", {}, font());
    picture2->setPixmap(QPixmap(rutaImagen(Imagen::Banner)));
    picture2->setScaledContents(true);
    colocar(picture2, 4560, 120, 2295, 1095);

    lblProductName_ =
        etiqueta(frame1_, "lblProductName", QStringLiteral("Producto"), fuente(arial, 26.25, true));
    lblProductName_->move(pixeles(this, 1680), pixeles(this, 1740));
    lblProductName_->adjustSize();

    QLabel* label1 =
        etiqueta(frame1_, "Label1", QStringLiteral("Semanas Epidemiológicas"), fuente(sansSerif, 13.5));
    colocar(label1, 1680, 2280, 4095, 735);

    lblVersion_ = etiqueta(frame1_, "lblVersion", QStringLiteral("Versión"), fuente(arial, 12, true));
    lblVersion_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblVersion_->move(pixeles(this, 6000), pixeles(this, 3300));
    lblVersion_->adjustSize();
    derechaVersion_ = lblVersion_->geometry().right();

    colocar(etiqueta(frame1_, "lblWarning", creditoDesarrollo(), fuente(arial, 8.25)), 120, 3660, 4215, 315);
    colocar(etiqueta(frame1_, "Label2", paisDelAutor(), fuente(sansSerif, 8.25, true)), 2880, 3660, 2055,
            255);
    QLabel* licencia = etiqueta(frame1_, "lblLicenseTo", QString(), fuente(arial, 8.25));
    licencia->setAlignment(Qt::AlignRight | Qt::AlignTop);
    colocar(licencia, 4200, 3660, 2775, 255);
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
