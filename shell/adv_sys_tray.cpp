#include "adv_sys_tray.h"

#include <array>

#include "calendar/semana_epi.h"
#include "servicios/ventana.h"

namespace tarvolo {

std::string textoTipSemana(int semana) {
    return "Semana Epidemiológica " + std::to_string(semana);
}

AdvSysTray::AdvSysTray(Bandeja& bandeja, const Reloj& reloj) : bandeja_(bandeja), reloj_(reloj) {
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

void AdvSysTray::Create(Ventana& propietario) {
    if (registrado_) return;
    bandeja_.alRaton([this](std::uint32_t mensaje) { frmOwner_MouseMove(mensaje); });
    if (conGlobos()) {
        registro_.fijarCbSize(RegistroNotificacion::kTamano);
        registro_.fijarUFlags(RegistroNotificacion::kMensaje | RegistroNotificacion::kIcono |
                              RegistroNotificacion::kTip | RegistroNotificacion::kGlobo);
    } else {
        registro_.fijarCbSize(RegistroNotificacion::kTamanoCorto);
        registro_.fijarUFlags(RegistroNotificacion::kMensaje | RegistroNotificacion::kIcono |
                              RegistroNotificacion::kTip);
    }
    registro_.fijarHWnd(propietario.identificador());
    registro_.fijarUId(1);
    registro_.fijarUCallbackMessage(kMensajeCallback);
    registro_.fijarHIcon(propietario.identificadorIcono());
    // Set once, not cut to the tooltip limit: it keeps the week of this day.
    registro_.fijarSzTip(textoTipSemana(SemanaEpi(reloj_.hoy())));
    registrado_ = bandeja_.agregar(registro_);
}

void AdvSysTray::Destroy() {
    if (!registrado_) return;
    const bool quitado = bandeja_.eliminar(registro_);
    if (quitado) registrado_ = false;
    // Whatever the shell said, no more events reach this object.
    bandeja_.alRaton({});
}

void AdvSysTray::Icon(std::uint32_t icono) {
    if (!registrado_) return;
    registro_.fijarHIcon(icono);
    modificarSinGlobo();
}

std::uint32_t AdvSysTray::Icon() const {
    return registrado_ ? registro_.hIcon() : 0;
}

void AdvSysTray::Tooltip(std::string_view texto) {
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

std::string AdvSysTray::Tooltip() const {
    return registrado_ ? registro_.szTip() : std::string();
}

void AdvSysTray::ShowBalloon(std::string texto, std::string titulo, std::int32_t tipoIcono) {
    if (!registrado_ || !conGlobos()) return;
    registro_.fijarSzInfo(texto, kLimiteGlobo);
    registro_.fijarSzInfoTitle(titulo, kLimiteTituloGlobo);
    registro_.fijarDwInfoFlags(static_cast<std::uint32_t>(tipoIcono));
    bandeja_.modificar(registro_);  // a balloon that does not show is no error
}

void AdvSysTray::HideBalloon() {
    if (!registrado_ || !conGlobos()) return;
    registro_.fijarSzInfo({});
    bandeja_.modificar(registro_);
}

void AdvSysTray::frmOwner_MouseMove(std::uint32_t mensaje) const {
    // 0x201..0x206 are the button messages, raising the events in their
    // order; plain movement (0x200) and anything else raise nothing.
    const std::array<const std::function<void()>*, 6> eventos = {&LButtonDown, &LButtonUp, &LButtonDblClk,
                                                                 &RButtonDown, &RButtonUp, &RButtonDblClk};
    if (mensaje < 0x201 || mensaje > 0x206) return;
    // A copy: the handler may release this very object (Salir does).
    const std::function<void()> evento = *eventos[mensaje - 0x201];
    if (evento) evento();
}

}  // namespace tarvolo
