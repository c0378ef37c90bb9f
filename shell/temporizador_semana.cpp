#include "temporizador_semana.h"

#include "calendar/semana_epi.h"
#include "icono_semana.h"

namespace tarvolo {

TemporizadorSemana::TemporizadorSemana(AdvSysTray* bandeja, const Reloj& reloj,
                                       std::unique_ptr<TemporizadorLimite> limite, QObject* padre)
    : QObject(padre), bandeja_(bandeja), reloj_(reloj), limite_(std::move(limite)) {
    connect(limite_.get(), &TemporizadorLimite::alarma, this, &TemporizadorSemana::actualizar);
    actualizar();
}

void TemporizadorSemana::actualizar() {
    // The clock decides, not the alarm: one that went off for a clock set
    // back, or a zone moved west, finds the same week and changes nothing.
    const Fecha hoy = reloj_.hoy();
    const int semana = SemanaEpi(hoy);
    if (bandeja_ && bandeja_->registrado()) {
        const QString tip = textoTipSemana(semana);
        if (bandeja_->Tooltip() != tip) bandeja_->Tooltip(tip);
        if (semana != semanaDelIcono_) {
            bandeja_->Icon(iconoDeSemana(semana));
            semanaDelIcono_ = semana;
        }
    }
    proximo_ = domingoSiguiente(hoy);
    limite_->armar(proximo_);
}

}  // namespace tarvolo
