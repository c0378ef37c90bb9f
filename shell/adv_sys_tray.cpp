#include "adv_sys_tray.h"

#include "calendar/semana_epi.h"
#include "identificadores.h"

namespace tarvolo {

QString textoTipSemana(int semana) {
    return QStringLiteral("Semana Epidemiológica %1").arg(semana);
}

AdvSysTray::AdvSysTray(Bandeja& bandeja, const Reloj& reloj, QObject* padre)
    : QObject(padre), bandeja_(bandeja), reloj_(reloj) {
    std::optional<std::uint32_t> mayor;
    try {
        mayor = bandeja_.version();
    } catch (...) {
        // A shell that cannot tell its version counts as version 0.
    }
    version_ = static_cast<std::int32_t>(mayor.value_or(0));
    limiteTip_ = version_ < 5 ? kLimiteTipCorto : kLimiteTipLargo;
}

AdvSysTray::~AdvSysTray() {
    // A destructor must not throw; a failing back end only leaves the icon.
    try {
        Destroy();
    } catch (...) {
    }
}

void AdvSysTray::Create(QWidget& propietario) {
    if (registrado_) return;
    frmOwner_ = &propietario;
    QObject::disconnect(suscripcion_);
    suscripcion_ = connect(&bandeja_, &Bandeja::mensajeRaton, this, &AdvSysTray::frmOwner_MouseMove);
    if (conGlobos()) {
        registro_.fijarCbSize(RegistroNotificacion::kTamano);
        registro_.fijarUFlags(RegistroNotificacion::kMensaje | RegistroNotificacion::kIcono |
                              RegistroNotificacion::kTip | RegistroNotificacion::kGlobo);
    } else {
        registro_.fijarCbSize(RegistroNotificacion::kTamanoCorto);
        registro_.fijarUFlags(RegistroNotificacion::kMensaje | RegistroNotificacion::kIcono |
                              RegistroNotificacion::kTip);
    }
    registro_.fijarHWnd(identificadorDeVentana(&propietario));
    registro_.fijarUId(1);
    registro_.fijarUCallbackMessage(kMensajeCallback);
    registro_.fijarHIcon(identificadorDeIcono(propietario.windowIcon()));
    // Set once, not cut to the tooltip limit: it keeps the week of this day.
    registro_.fijarSzTip(textoTipSemana(SemanaEpi(reloj_.hoy())));
    registrado_ = bandeja_.agregar(registro_);
}

void AdvSysTray::Destroy() {
    if (!registrado_) return;
    const bool quitado = bandeja_.eliminar(registro_);
    if (quitado) registrado_ = false;
    // Whatever the shell said, no more events reach this object.
    QObject::disconnect(suscripcion_);
    frmOwner_ = nullptr;
}

void AdvSysTray::Icon(const QIcon& icono) {
    if (!registrado_) return;
    registro_.fijarHIcon(identificadorDeIcono(icono));
    modificarSinGlobo();
}

QIcon AdvSysTray::Icon() const {
    return registrado_ ? iconoDeIdentificador(registro_.hIcon()) : QIcon();
}

void AdvSysTray::Tooltip(const QString& texto) {
    if (!registrado_) return;
    registro_.fijarSzTip(texto, static_cast<std::size_t>(limiteTip_));
    modificarSinGlobo();
}

void AdvSysTray::modificarSinGlobo() {
    // The balloon text stays in the record until the next ShowBalloon or
    // HideBalloon, but only those two send it: with the balloon flag set, a
    // shell shows the balloon again on every update, so a new week's icon
    // would re-announce the week before.
    RegistroNotificacion sinGlobo = registro_;
    sinGlobo.fijarUFlags(registro_.uFlags() & ~RegistroNotificacion::kGlobo);
    bandeja_.modificar(sinGlobo);
}

QString AdvSysTray::Tooltip() const {
    return registrado_ ? registro_.szTip() : QString();
}

void AdvSysTray::ShowBalloon(QString texto, QString titulo, std::int32_t tipoIcono) {
    if (!registrado_ || !conGlobos()) return;
    registro_.fijarSzInfo(texto, kLimiteGlobo);
    registro_.fijarSzInfoTitle(titulo, kLimiteTituloGlobo);
    registro_.fijarDwInfoFlags(static_cast<std::uint32_t>(tipoIcono));
    bandeja_.modificar(registro_);  // a balloon that does not show is no error
}

void AdvSysTray::HideBalloon() {
    if (!registrado_ || !conGlobos()) return;
    registro_.fijarSzInfo(QString());
    bandeja_.modificar(registro_);
}

void AdvSysTray::frmOwner_MouseMove(quint32 mensaje) {
    // 0x201..0x206 are the button messages; plain movement (0x200) and
    // anything else raise nothing.
    switch (mensaje) {
        case 0x201:
            emit LButtonDown();
            break;
        case 0x202:
            emit LButtonUp();
            break;
        case 0x203:
            emit LButtonDblClk();
            break;
        case 0x204:
            emit RButtonDown();
            break;
        case 0x205:
            emit RButtonUp();
            break;
        case 0x206:
            emit RButtonDblClk();
            break;
        default:
            break;
    }
}

}  // namespace tarvolo
