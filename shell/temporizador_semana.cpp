#include "temporizador_semana.h"

#include "calendar/semana_epi.h"

namespace tarvolo {

TemporizadorSemana::TemporizadorSemana(BandejaActual bandeja, Bandeja& iconos, const Reloj& reloj,
                                       std::unique_ptr<TemporizadorLimite> limite)
    : bandeja_(std::move(bandeja)), iconos_(iconos), reloj_(reloj), limite_(std::move(limite)) {
    limite_->alSonar([this] { actualizar(); });
    actualizar();
}

void TemporizadorSemana::actualizar() {
    // The clock decides, not the alarm: one that went off for a clock set
    // back, or a zone moved west, finds the same week and changes nothing.
    const Fecha hoy = reloj_.hoy();
    const int semana = SemanaEpi(hoy);
    AdvSysTray* bandeja = bandeja_();
    if (bandeja != nullptr && bandeja->registrado()) {
        const std::string tip = textoTipSemana(semana);
        if (bandeja->Tooltip() != tip) bandeja->Tooltip(tip);
        if (semana != semanaDelIcono_) {
            bandeja->Icon(iconos_.iconoDeSemana(semana));
            semanaDelIcono_ = semana;
        }
    }
    proximo_ = domingoSiguiente(hoy);
    limite_->armar(proximo_);
}

}  // namespace tarvolo
